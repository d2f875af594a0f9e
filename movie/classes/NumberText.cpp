#include "movie/classes/NumberText.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace classes {

double ToNumber(const QString& text)
{
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    return 0;
  }
  bool ok = false;
  double number = 0;
  if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    number = static_cast<double>(trimmed.mid(2).toULongLong(&ok, 16));
  } else {
    number = QLocale::c().toDouble(trimmed, &ok);
  }
  return ok ? number : std::numeric_limits<double>::quiet_NaN();
}

quint32 ToUint32(double number)
{
  if (!std::isfinite(number)) {
    return 0;
  }
  constexpr double kWrap = 4294967296.0;
  double wrapped = std::fmod(std::trunc(number), kWrap);
  if (wrapped < 0) {
    wrapped += kWrap;
  }
  return static_cast<quint32>(wrapped);
}

}  // namespace classes
