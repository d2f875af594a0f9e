#pragma once

#include <QString>

namespace classes {

// The connection address of a server url: the text before its fourth "/" ("rtmp://server/app/clip.flv"
// gives "rtmp://server/app"); empty when the url has fewer than four.
QString getStream(const QString& url);

// The stream name of a server url: the text after its fourth "/" (the whole url when it has fewer), with
// ".mp3" and ".mp4" turned into the "mp3:" and "mp4:" prefixes and ".flv" dropped.
QString getID(const QString& url);

}  // namespace classes
