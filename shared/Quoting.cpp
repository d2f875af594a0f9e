#include "shared/Quoting.h"

QString QuoteArgument(const QString& text)
{
  return QLatin1Char('"') + text + QLatin1Char('"');
}
