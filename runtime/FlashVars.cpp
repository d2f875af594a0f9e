#include "runtime/FlashVars.h"

#include <QUrl>

namespace flash {

namespace {

QString Decode(const QString& text)
{
  return QUrl::fromPercentEncoding(text.toUtf8());
}

}  // namespace

QMap<QString, QString> parseFlashVars(const QString& text)
{
  QMap<QString, QString> parameters;
  for (const QString& pair : text.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? pair : pair.left(equals);
    const QString value = equals < 0 ? QString() : pair.mid(equals + 1);
    parameters.insert(Decode(name), Decode(value));
  }
  return parameters;
}

}  // namespace flash
