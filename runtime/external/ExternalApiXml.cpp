#include "runtime/external/ExternalApiXml.h"

#include <QDomDocument>
#include <QLocale>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>

namespace flash::external::xml {

namespace {

QString Escape(const QString& text)
{
  QString result;
  result.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '&':
        result += QLatin1String("&amp;");
        break;
      case '<':
        result += QLatin1String("&lt;");
        break;
      case '>':
        result += QLatin1String("&gt;");
        break;
      case '"':
        result += QLatin1String("&quot;");
        break;
      case '\r':
        // A raw carriage return would be read back as a line feed.
        result += QLatin1String("&#13;");
        break;
      default:
        result += c;
    }
  }
  return result;
}

bool IsNull(const QVariant& value)
{
  return value.metaType() == QMetaType::fromType<std::nullptr_t>();
}

bool IsNumber(const QVariant& value)
{
  switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
      return true;
    default:
      return false;
  }
}

struct DecodeError {
  QString message;
};

QVariant DecodeElement(const QDomElement& element);

QVariant DecodeProperties(const QDomElement& element, bool asArray)
{
  QVariantMap object;
  QVariantList array;
  for (QDomElement property = element.firstChildElement(); !property.isNull();
       property = property.nextSiblingElement()) {
    if (property.tagName() != QLatin1String("property") || !property.hasAttribute(QStringLiteral("id"))) {
      throw DecodeError{QStringLiteral("<%1> holds <%2> where a <property id=\"…\"> belongs")
                            .arg(element.tagName(), property.tagName())};
    }
    const QString id = property.attribute(QStringLiteral("id"));
    const QDomElement inner = property.firstChildElement();
    if (inner.isNull() || !inner.nextSiblingElement().isNull()) {
      throw DecodeError{QStringLiteral("property \"%1\" does not hold exactly one value").arg(id)};
    }
    const QVariant value = DecodeElement(inner);
    if (asArray) {
      bool isIndex = false;
      const int index = id.toInt(&isIndex);
      if (!isIndex || index < 0 || index > 1'000'000) {
        throw DecodeError{QStringLiteral("array property id \"%1\" is not an index").arg(id)};
      }
      while (array.size() <= index) {
        array.append(QVariant());
      }
      array[index] = value;
    } else {
      object.insert(id, value);
    }
  }
  return asArray ? QVariant(array) : QVariant(object);
}

double ParseNumber(const QString& text)
{
  const QString trimmed = text.trimmed();
  if (trimmed == QLatin1String("NaN")) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  if (trimmed == QLatin1String("Infinity")) {
    return std::numeric_limits<double>::infinity();
  }
  if (trimmed == QLatin1String("-Infinity")) {
    return -std::numeric_limits<double>::infinity();
  }
  bool ok = false;
  const double number = QLocale::c().toDouble(trimmed, &ok);
  if (!ok || std::isnan(number) || std::isinf(number)) {
    throw DecodeError{QStringLiteral("\"%1\" is not a number").arg(text)};
  }
  return number;
}

QVariant DecodeElement(const QDomElement& element)
{
  const QString tag = element.tagName();
  if (tag == QLatin1String("string")) {
    return element.text();
  }
  if (tag == QLatin1String("number")) {
    return ParseNumber(element.text());
  }
  if (tag == QLatin1String("true")) {
    return true;
  }
  if (tag == QLatin1String("false")) {
    return false;
  }
  if (tag == QLatin1String("null")) {
    return QVariant::fromValue(nullptr);
  }
  if (tag == QLatin1String("undefined")) {
    return QVariant();
  }
  if (tag == QLatin1String("object")) {
    return DecodeProperties(element, false);
  }
  if (tag == QLatin1String("array")) {
    return DecodeProperties(element, true);
  }
  throw DecodeError{QStringLiteral("<%1> is not a value").arg(tag)};
}

std::optional<QDomElement> Parse(QDomDocument& document, const QString& text, QString* error)
{
  QString message;
  int line = 0;
  int column = 0;
  if (!document.setContent(text, &message, &line, &column)) {
    if (error != nullptr) {
      *error = QStringLiteral("unreadable XML (%1 at %2:%3)").arg(message).arg(line).arg(column);
    }
    return std::nullopt;
  }
  return document.documentElement();
}

}  // namespace

QString formatNumber(double number)
{
  if (std::isnan(number)) {
    return QStringLiteral("NaN");
  }
  if (std::isinf(number)) {
    return number > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString encodeValue(const QVariant& value)
{
  if (!value.isValid()) {
    return QStringLiteral("<undefined/>");
  }
  if (IsNull(value)) {
    return QStringLiteral("<null/>");
  }
  if (value.metaType().id() == QMetaType::Bool) {
    return value.toBool() ? QStringLiteral("<true/>") : QStringLiteral("<false/>");
  }
  if (IsNumber(value)) {
    return QStringLiteral("<number>%1</number>").arg(formatNumber(value.toDouble()));
  }
  if (value.metaType().id() == QMetaType::QVariantMap) {
    QString result = QStringLiteral("<object>");
    const QVariantMap map = value.toMap();
    for (auto entry = map.begin(); entry != map.end(); ++entry) {
      result += QStringLiteral("<property id=\"%1\">%2</property>").arg(Escape(entry.key()), encodeValue(entry.value()));
    }
    return result + QStringLiteral("</object>");
  }
  if (value.metaType().id() == QMetaType::QVariantList || value.metaType().id() == QMetaType::QStringList) {
    QString result = QStringLiteral("<array>");
    const QVariantList list = value.toList();
    for (qsizetype i = 0; i < list.size(); ++i) {
      result += QStringLiteral("<property id=\"%1\">%2</property>").arg(i).arg(encodeValue(list[i]));
    }
    return result + QStringLiteral("</array>");
  }
  return QStringLiteral("<string>%1</string>").arg(Escape(value.toString()));
}

QString encodeInvoke(const QString& name, const QVariantList& arguments)
{
  QString result = QStringLiteral("<invoke name=\"%1\" returntype=\"xml\"><arguments>").arg(Escape(name));
  for (const QVariant& argument : arguments) {
    result += encodeValue(argument);
  }
  return result + QStringLiteral("</arguments></invoke>");
}

std::optional<QVariant> decodeValue(const QString& text, QString* error)
{
  QDomDocument document;
  const auto root = Parse(document, text, error);
  if (!root) {
    return std::nullopt;
  }
  try {
    return DecodeElement(*root);
  } catch (const DecodeError& failure) {
    if (error != nullptr) {
      *error = failure.message;
    }
    return std::nullopt;
  }
}

std::optional<Invoke> decodeInvoke(const QString& text, QString* error)
{
  QDomDocument document;
  const auto root = Parse(document, text, error);
  if (!root) {
    return std::nullopt;
  }
  if (root->tagName() != QLatin1String("invoke") || !root->hasAttribute(QStringLiteral("name"))) {
    if (error != nullptr) {
      *error = QStringLiteral("not an <invoke name=\"…\"> element");
    }
    return std::nullopt;
  }
  Invoke invoke{root->attribute(QStringLiteral("name")), {}};
  try {
    const QDomElement arguments = root->firstChildElement(QStringLiteral("arguments"));
    for (QDomElement argument = arguments.firstChildElement(); !argument.isNull();
         argument = argument.nextSiblingElement()) {
      invoke.arguments.append(DecodeElement(argument));
    }
  } catch (const DecodeError& failure) {
    if (error != nullptr) {
      *error = failure.message;
    }
    return std::nullopt;
  }
  return invoke;
}

}  // namespace flash::external::xml
