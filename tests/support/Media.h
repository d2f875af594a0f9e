#pragma once

#include <QString>

// Media files made for the tests by the machine's ffmpeg from its own test sources.
enum class MediaKind {
  FlvWithMp3,      // Sorenson H.263 320x240 with MP3 sound
  Mp4WithAac,      // H.264 640x360 with AAC sound
  Mp4VideoOnly,    // H.264 without sound
};

// Writes a clip of the given length; returns false (with the reason on stderr) when ffmpeg fails.
bool MakeMedia(MediaKind kind, const QString& path, int seconds);

struct MediaFacts {
  QString audioCodec;
  int bitRate = 0;          // bits per second of the sound stream
  double duration = 0;      // seconds
};

// What ffprobe reports of a file's first sound stream.
MediaFacts ProbeMedia(const QString& path);
