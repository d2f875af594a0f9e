#include "shared/CommandLine.h"

QStringList SplitCommandLine(const QString& commandLine)
{
  QStringList items;
  QString current;
  bool inItem = false;
  bool inQuotes = false;
  for (const QChar ch : commandLine) {
    if (ch == QLatin1Char('"')) {
      inQuotes = !inQuotes;
      inItem = true;
    } else if (!inQuotes && ch.unicode() <= 32) {
      if (inItem) {
        items.append(current);
        current.clear();
        inItem = false;
      }
    } else {
      current.append(ch);
      inItem = true;
    }
  }
  if (inItem) {
    items.append(current);
  }
  return items;
}
