#include "movie/classes/ClockText.h"

#include <cmath>

namespace classes {

namespace {

QString TwoDigits(qint64 value)
{
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString ZeroClockText(SkinKind skin)
{
  return skin == SkinKind::Xml ? QStringLiteral("00:00:00") : QStringLiteral("00:00");
}

QString ClockText(double seconds, SkinKind skin)
{
  if (!(seconds > 0) || !std::isfinite(seconds) || seconds > 1e9) {
    return ZeroClockText(skin);
  }
  const auto whole = static_cast<qint64>(std::ceil(seconds)) - 1;
  QString text;
  if (skin == SkinKind::Xml) {
    text = TwoDigits(whole / 3600) + QLatin1Char(':') + TwoDigits(whole % 3600 / 60) + QLatin1Char(':') +
           TwoDigits(whole % 60);
  } else {
    text = TwoDigits(whole / 60) + QLatin1Char(':') + TwoDigits(whole % 60);
  }
  const int room = skin == SkinKind::Xml ? 9 : 5;
  return text.size() > room ? ZeroClockText(skin) : text;
}

}  // namespace classes
