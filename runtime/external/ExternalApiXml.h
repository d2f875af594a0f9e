#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The external API's XML form of calls and values, as it passes between a movie and its host:
//   <invoke name="f" returntype="xml"><arguments>values…</arguments></invoke>
//   <string>…</string> <number>…</number> <true/> <false/> <null/> <undefined/>
//   <object><property id="key">value</property>…</object> <array><property id="0">value</property>…</array>
// Values are QVariants: an invalid QVariant is undefined, a std::nullptr_t QVariant is null.
namespace flash::external::xml {

struct Invoke {
  QString name;
  QVariantList arguments;
};

QString encodeValue(const QVariant& value);
QString encodeInvoke(const QString& name, const QVariantList& arguments);

// Empty on text that is not one of the forms above; `error` then says why.
std::optional<QVariant> decodeValue(const QString& text, QString* error = nullptr);
std::optional<Invoke> decodeInvoke(const QString& text, QString* error = nullptr);

// The shortest decimal text that reads back as the same double ("NaN", "Infinity", "-Infinity" too).
QString formatNumber(double number);

}  // namespace flash::external::xml
