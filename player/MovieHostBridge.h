#pragma once

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// What the host reads from one call of the movie. The host acts on none of it: the call returns no
// value and nothing in the player changes.
struct MovieCallReading {
  QString name;                    // the function the movie called; empty when the text is unreadable
  std::optional<double> duration;  // on "onMetaData": the length the movie's getDuration answered
  bool playbackStarted = false;    // on "onVideoStatus": the status code is "NetStream.Play.Start"
};

// The request by which the host asks the movie for the video's length.
inline const QString kGetDurationRequest =
    QStringLiteral("<invoke name=\"getDuration\" returntype=\"xml\"><arguments></arguments></invoke>");

// Reads a call's external API XML; `askMovie` calls a movie function and returns its XML answer.
MovieCallReading ReadMovieCall(const QString& request, const std::function<QString(const QString&)>& askMovie);

// The embedded clip for exactly "FlashVideo.flv": a new stream each time, owned by whoever takes it;
// null for every other path.
QIODevice* OpenEmbeddedResource(const QString& path);
