#include "movie/classes/StreamAddress.h"

namespace classes {

QString getStream(const QString& url)
{
  qsizetype found = url.indexOf(QLatin1Char('/'), 1);
  for (int search = 2; search <= 4; ++search) {
    found = url.indexOf(QLatin1Char('/'), found + 1);
  }
  return found < 0 ? QString() : url.left(found);
}

QString getID(const QString& url)
{
  qsizetype start = 0;
  for (int search = 0; search < 4; ++search) {
    const qsizetype found = url.indexOf(QLatin1Char('/'), start);
    start = found < 0 ? 0 : found + 1;
  }
  const QString rest = url.mid(start);
  if (rest.endsWith(QStringLiteral(".mp3"))) {
    return QStringLiteral("mp3:") + rest.chopped(4);
  }
  if (rest.endsWith(QStringLiteral(".mp4"))) {
    return QStringLiteral("mp4:") + rest.chopped(4);
  }
  if (rest.endsWith(QStringLiteral(".flv"))) {
    return rest.chopped(4);
  }
  return rest;
}

}  // namespace classes
