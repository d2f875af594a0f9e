#include "runtime/external/ExternalApiXml.h"

#include <QXmlStreamReader>
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

// Reads the forms above with Qt's stream reader, which keeps text that is only blanks (a DOM parse
// drops it, and "<string> </string>" must stay one blank).
class Decoder {
 public:
  explicit Decoder(const QString& text) : reader_(text) {}

  // Moves to the document's root element.
  void enterRoot()
  {
    if (!nextElement()) {
      fail(QStringLiteral("no element"));
    }
  }
  // After the root: nothing but the end of the document may follow.
  void finish()
  {
    while (!reader_.atEnd()) {
      reader_.readNext();
    }
    check();
  }
  QXmlStreamReader& reader() { return reader_; }

  // Moves to the next child element of the current one: true at its start, false at the parent's end.
  bool nextElement()
  {
    for (;;) {
      switch (reader_.readNext()) {
        case QXmlStreamReader::StartElement:
          return true;
        case QXmlStreamReader::EndElement:
        case QXmlStreamReader::EndDocument:
          return false;
        case QXmlStreamReader::Characters:
          if (!reader_.isWhitespace()) {
            fail(QStringLiteral("text \"%1\" where an element belongs").arg(reader_.text()));
          }
          break;
        case QXmlStreamReader::Invalid:
          check();
          return false;
        default:
          break;
      }
    }
  }

  // The value whose start element is the current token; ends on its end element.
  QVariant value()
  {
    const QString tag = reader_.name().toString();
    if (tag == QLatin1String("string")) {
      return readText();
    }
    if (tag == QLatin1String("number")) {
      return ParseNumber(readText());
    }
    if (tag == QLatin1String("true") || tag == QLatin1String("false") || tag == QLatin1String("null") ||
        tag == QLatin1String("undefined")) {
      if (nextElement()) {
        fail(QStringLiteral("<%1> holds an element").arg(tag));
      }
      check();
      if (tag == QLatin1String("undefined")) {
        return QVariant();
      }
      return tag == QLatin1String("null") ? QVariant::fromValue(nullptr) : QVariant(tag == QLatin1String("true"));
    }
    if (tag == QLatin1String("object") || tag == QLatin1String("array")) {
      return properties(tag == QLatin1String("array"));
    }
    fail(QStringLiteral("<%1> is not a value").arg(tag));
  }

  [[noreturn]] void fail(const QString& message) { throw DecodeError{message}; }

  void check()
  {
    if (reader_.hasError()) {
      fail(QStringLiteral("unreadable XML (%1 at %2:%3)")
               .arg(reader_.errorString())
               .arg(reader_.lineNumber())
               .arg(reader_.columnNumber()));
    }
  }

 private:
  QString readText()
  {
    const QString text = reader_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    check();
    return text;
  }

  QVariant properties(bool asArray)
  {
    const QString tag = reader_.name().toString();
    QVariantMap object;
    QVariantList array;
    while (nextElement()) {
      const QString id = reader_.attributes().value(QLatin1String("id")).toString();
      if (reader_.name() != QLatin1String("property") || !reader_.attributes().hasAttribute(QLatin1String("id"))) {
        fail(QStringLiteral("<%1> holds <%2> where a <property id=\"…\"> belongs").arg(tag, reader_.name().toString()));
      }
      if (!nextElement()) {
        fail(QStringLiteral("property \"%1\" holds no value").arg(id));
      }
      const QVariant item = value();
      if (nextElement()) {
        fail(QStringLiteral("property \"%1\" holds more than one value").arg(id));
      }
      if (asArray) {
        bool isIndex = false;
        const int index = id.toInt(&isIndex);
        if (!isIndex || index < 0 || index > 1'000'000) {
          fail(QStringLiteral("array property id \"%1\" is not an index").arg(id));
        }
        while (array.size() <= index) {
          array.append(QVariant());
        }
        array[index] = item;
      } else {
        object.insert(id, item);
      }
    }
    check();
    return asArray ? QVariant(array) : QVariant(object);
  }

  QXmlStreamReader reader_;
};

template <class Result, class Read>
std::optional<Result> Decode(const QString& text, QString* error, const Read& read)
{
  Decoder decoder(text);
  try {
    decoder.enterRoot();
    Result result = read(decoder);
    decoder.finish();
    return result;
  } catch (const DecodeError& failure) {
    if (error != nullptr) {
      *error = failure.message;
    }
    return std::nullopt;
  }
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
  return Decode<QVariant>(text, error, [](Decoder& decoder) { return decoder.value(); });
}

std::optional<Invoke> decodeInvoke(const QString& text, QString* error)
{
  return Decode<Invoke>(text, error, [](Decoder& decoder) {
    QXmlStreamReader& reader = decoder.reader();
    if (reader.name() != QLatin1String("invoke") || !reader.attributes().hasAttribute(QLatin1String("name"))) {
      decoder.fail(QStringLiteral("not an <invoke name=\"…\"> element"));
    }
    Invoke invoke{reader.attributes().value(QLatin1String("name")).toString(), {}};
    while (decoder.nextElement()) {
      if (reader.name() != QLatin1String("arguments")) {
        reader.skipCurrentElement();
        continue;
      }
      while (decoder.nextElement()) {
        invoke.arguments.append(decoder.value());
      }
    }
    decoder.check();
    return invoke;
  });
}

}  // namespace flash::external::xml
