#include "player/StartParameters.h"

namespace {

QString EscapeForStartParameters(const QString& value)
{
  QString escaped;
  escaped.reserve(value.size());
  for (const QChar ch : value) {
    if (ch == QLatin1Char('%')) {
      escaped += QStringLiteral("%25");
    } else if (ch == QLatin1Char('&')) {
      escaped += QStringLiteral("%26");
    } else {
      escaped += ch;
    }
  }
  return escaped;
}

}  // namespace

QString BuildStartParameters(const QString& path)
{
  return QStringLiteral("type_video=flv&url=") + EscapeForStartParameters(path) + QStringLiteral("&auto_play=") +
         QStringLiteral("true");
}

QString CaptionFor(const QString& path)
{
  QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot >= 0) {
    name.truncate(dot);
  }
  return name;
}

QString FolderWithSeparator(const QString& path)
{
  return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}
