#include "runtime/net/URLVariables.h"

#include <QUrl>

namespace flash::net {

namespace {

QString FormEncoded(const QString& text)
{
  return QString::fromLatin1(QUrl::toPercentEncoding(text, " ")).replace(QLatin1Char(' '), QLatin1Char('+'));
}

}  // namespace

void URLVariables::set(const QString& name, const QString& value)
{
  for (auto& entry : values_) {
    if (entry.first == name) {
      entry.second = value;
      return;
    }
  }
  values_.append({name, value});
}

QString URLVariables::value(const QString& name) const
{
  for (const auto& entry : values_) {
    if (entry.first == name) {
      return entry.second;
    }
  }
  return {};
}

QString URLVariables::toString() const
{
  QStringList pairs;
  for (const auto& [name, value] : values_) {
    pairs << FormEncoded(name) + QLatin1Char('=') + FormEncoded(value);
  }
  return pairs.join(QLatin1Char('&'));
}

}  // namespace flash::net
