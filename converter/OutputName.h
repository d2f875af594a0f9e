#pragma once

#include <QString>

namespace converter {

// The file-name part of a path: the text after its last "/".
QString FileNamePart(const QString& path);

// The MP3 file for a video: the output folder, "/", and the video's file name with its last extension
// replaced by ".mp3" (a name without one gets ".mp3" appended). The folder is joined as it comes, so a
// folder that ends in "/" gives a doubled separator.
QString OutputFileFor(const QString& videoPath, const QString& outputFolder);

}  // namespace converter
