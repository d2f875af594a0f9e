#pragma once

#include <QString>

#include <optional>

namespace converter {

// Follows FFmpeg's report while it converts: the input's "Duration:" and the output's "time=".
class FFmpegProgress {
 public:
  explicit FFmpegProgress(int secondsSkipped) : secondsSkipped_(secondsSkipped) {}

  // Takes the next piece of the report (pieces may split lines anywhere).
  void take(const QString& piece);

  // The share done, 0 to 1, once both the length and a position are known.
  std::optional<double> fraction() const;

 private:
  void readLine(const QString& line);

  int secondsSkipped_;
  QString pending_;
  std::optional<double> duration_;
  std::optional<double> position_;
};

// "01:02:03.45" as seconds; nothing for text in another form.
std::optional<double> ParseClock(const QString& text);

}  // namespace converter
