#include "converter/FFmpegProgress.h"

#include <QRegularExpression>

#include <algorithm>

namespace converter {

std::optional<double> ParseClock(const QString& text)
{
  static const QRegularExpression clock(QStringLiteral("^(\\d+):(\\d{2}):(\\d{2}(?:\\.\\d+)?)$"));
  const QRegularExpressionMatch match = clock.match(text);
  if (!match.hasMatch()) {
    return std::nullopt;
  }
  return match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60 + match.captured(3).toDouble();
}

void FFmpegProgress::take(const QString& piece)
{
  pending_ += piece;
  qsizetype end;
  while ((end = pending_.indexOf(QRegularExpression(QStringLiteral("[\r\n]")))) >= 0) {
    readLine(pending_.left(end));
    pending_.remove(0, end + 1);
  }
}

void FFmpegProgress::readLine(const QString& line)
{
  static const QRegularExpression durationField(QStringLiteral("^\\s*Duration: ([0-9:.]+),"));
  static const QRegularExpression timeField(QStringLiteral("\\btime=\\s*([0-9:.]+)"));
  if (!duration_) {
    const QRegularExpressionMatch match = durationField.match(line);
    if (match.hasMatch()) {
      duration_ = ParseClock(match.captured(1));
    }
  }
  const QRegularExpressionMatch match = timeField.match(line);
  if (match.hasMatch()) {
    if (const auto position = ParseClock(match.captured(1))) {
      position_ = position;
    }
  }
}

std::optional<double> FFmpegProgress::fraction() const
{
  if (!duration_ || !position_) {
    return std::nullopt;
  }
  const double length = *duration_ - secondsSkipped_;
  if (length <= 0) {
    return std::nullopt;
  }
  return std::clamp(*position_ / length, 0.0, 1.0);
}

}  // namespace converter
