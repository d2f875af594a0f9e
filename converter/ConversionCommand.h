#pragma once

#include <QString>

namespace converter {

struct ConversionRequest {
  QString ffmpegPath;
  QString inputFile;
  QString bitRateCode;
  int secondsToSkip = 0;
};

// The FFmpeg command line: quoted program, -y -i "input" -acodec libmp3lame -ab <code>, "-ss N" only
// above 0 seconds, then the quoted output file.
QString BuildFFmpegCommand(const ConversionRequest& request, const QString& outputFile);

// A name beside the output file that FFmpeg writes to until the conversion has finished, so that an
// existing file is replaced only by a complete one. It keeps the ".mp3" ending FFmpeg picks its format by.
QString PartialOutputPathFor(const QString& outputFile);

// FFmpeg's own explanation of a failure: the last line of its report that is not a progress line.
QString LastErrorLine(const QString& report);

}  // namespace converter
