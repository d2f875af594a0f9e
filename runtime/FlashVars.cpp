#include "runtime/FlashVars.h"

namespace flash {

namespace {

int HexValue(char c)
{
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// "%" and two hex digits stand for one byte; a "%" without them stays as it is.
QString Decode(const QString& text)
{
  const QByteArray bytes = text.toUtf8();
  QByteArray decoded;
  decoded.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '%' && i + 2 < bytes.size() && HexValue(bytes[i + 1]) >= 0 && HexValue(bytes[i + 2]) >= 0) {
      decoded.append(static_cast<char>(HexValue(bytes[i + 1]) * 16 + HexValue(bytes[i + 2])));
      i += 2;
    } else {
      decoded.append(bytes[i]);
    }
  }
  return QString::fromUtf8(decoded);
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
