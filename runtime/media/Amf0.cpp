#include "runtime/media/Amf0.h"

#include <QDateTime>
#include <QtEndian>

#include <cstring>

namespace media::amf0 {

namespace {

enum Type : quint8 {
  Number = 0x00,
  Boolean = 0x01,
  String = 0x02,
  Object = 0x03,
  Null = 0x05,
  Undefined = 0x06,
  EcmaArray = 0x08,
  ObjectEnd = 0x09,
  StrictArray = 0x0A,
  Date = 0x0B,
  LongString = 0x0C,
};

// Nesting deeper than this is refused rather than followed: script data never needs it.
constexpr int kMaxDepth = 64;

QVariant ToVariant(const Properties& properties)
{
  QVariantMap map;
  for (const auto& [key, value] : properties) {
    map.insert(key, value);
  }
  return map;
}

}  // namespace

std::optional<quint8> Reader::readByte()
{
  if (position_ + 1 > data_.size()) {
    return std::nullopt;
  }
  return static_cast<quint8>(data_[position_++]);
}

std::optional<quint16> Reader::readUint16()
{
  if (position_ + 2 > data_.size()) {
    return std::nullopt;
  }
  const quint16 value = qFromBigEndian<quint16>(data_.constData() + position_);
  position_ += 2;
  return value;
}

std::optional<quint32> Reader::readUint32()
{
  if (position_ + 4 > data_.size()) {
    return std::nullopt;
  }
  const quint32 value = qFromBigEndian<quint32>(data_.constData() + position_);
  position_ += 4;
  return value;
}

std::optional<double> Reader::readDouble()
{
  if (position_ + 8 > data_.size()) {
    return std::nullopt;
  }
  const quint64 bits = qFromBigEndian<quint64>(data_.constData() + position_);
  position_ += 8;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::optional<QString> Reader::readUtf8(quint32 length)
{
  if (length > static_cast<quint64>(data_.size() - position_)) {
    return std::nullopt;
  }
  const QString text = QString::fromUtf8(data_.constData() + position_, length);
  position_ += length;
  return text;
}

std::optional<Properties> Reader::readPropertyList()
{
  Properties properties;
  while (true) {
    const auto keyLength = readUint16();
    if (!keyLength) {
      return std::nullopt;
    }
    const auto key = readUtf8(*keyLength);
    if (!key) {
      return std::nullopt;
    }
    const auto type = readByte();
    if (!type) {
      return std::nullopt;
    }
    if (key->isEmpty() && *type == ObjectEnd) {
      return properties;
    }
    const auto value = readValueOfType(*type);
    if (!value) {
      return std::nullopt;
    }
    properties.append({*key, *value});
  }
}

std::optional<Properties> Reader::readProperties()
{
  const auto type = readByte();
  if (!type) {
    return std::nullopt;
  }
  if (*type == EcmaArray && !readUint32()) {
    return std::nullopt;
  }
  if (*type != EcmaArray && *type != Object) {
    return std::nullopt;
  }
  ++depth_;
  auto properties = readPropertyList();
  --depth_;
  return properties;
}

std::optional<QVariant> Reader::readValue()
{
  const auto type = readByte();
  if (!type) {
    return std::nullopt;
  }
  return readValueOfType(*type);
}

std::optional<QVariant> Reader::readValueOfType(quint8 type)
{
  if (depth_ >= kMaxDepth) {
    return std::nullopt;
  }
  switch (type) {
  case Number:
    if (const auto value = readDouble()) {
      return QVariant(*value);
    }
    return std::nullopt;
  case Boolean:
    if (const auto value = readByte()) {
      return QVariant(*value != 0);
    }
    return std::nullopt;
  case String:
    if (const auto length = readUint16()) {
      if (const auto text = readUtf8(*length)) {
        return QVariant(*text);
      }
    }
    return std::nullopt;
  case LongString:
    if (const auto length = readUint32()) {
      if (const auto text = readUtf8(*length)) {
        return QVariant(*text);
      }
    }
    return std::nullopt;
  case Null:
    return QVariant::fromValue(nullptr);
  case Undefined:
    return QVariant();
  case Object:
  case EcmaArray: {
    if (type == EcmaArray && !readUint32()) {
      return std::nullopt;
    }
    ++depth_;
    const auto properties = readPropertyList();
    --depth_;
    if (!properties) {
      return std::nullopt;
    }
    return ToVariant(*properties);
  }
  case StrictArray: {
    const auto count = readUint32();
    if (!count) {
      return std::nullopt;
    }
    QVariantList list;
    ++depth_;
    for (quint32 i = 0; i < *count; ++i) {
      const auto value = readValue();
      if (!value) {
        --depth_;
        return std::nullopt;
      }
      list.append(*value);
    }
    --depth_;
    return list;
  }
  case Date: {
    const auto milliseconds = readDouble();
    if (!milliseconds || !readUint16()) {
      return std::nullopt;
    }
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(*milliseconds), Qt::UTC);
  }
  default:
    return std::nullopt;
  }
}

void Writer::writeUint16(quint16 value)
{
  char buffer[2];
  qToBigEndian(value, buffer);
  bytes_.append(buffer, 2);
}

void Writer::writeUint32(quint32 value)
{
  char buffer[4];
  qToBigEndian(value, buffer);
  bytes_.append(buffer, 4);
}

void Writer::writeKey(const QString& key)
{
  const QByteArray utf8 = key.toUtf8();
  writeUint16(static_cast<quint16>(utf8.size()));
  bytes_.append(utf8);
}

void Writer::writeNumber(double value)
{
  bytes_.append(static_cast<char>(Number));
  quint64 bits;
  std::memcpy(&bits, &value, sizeof bits);
  char buffer[8];
  qToBigEndian(bits, buffer);
  bytes_.append(buffer, 8);
}

void Writer::writeBoolean(bool value)
{
  bytes_.append(static_cast<char>(Boolean));
  bytes_.append(static_cast<char>(value ? 1 : 0));
}

void Writer::writeString(const QString& value)
{
  const QByteArray utf8 = value.toUtf8();
  if (utf8.size() > 0xffff) {
    bytes_.append(static_cast<char>(LongString));
    writeUint32(static_cast<quint32>(utf8.size()));
  } else {
    bytes_.append(static_cast<char>(String));
    writeUint16(static_cast<quint16>(utf8.size()));
  }
  bytes_.append(utf8);
}

void Writer::writeDate(double millisecondsSinceEpoch)
{
  bytes_.append(static_cast<char>(Date));
  quint64 bits;
  std::memcpy(&bits, &millisecondsSinceEpoch, sizeof bits);
  char buffer[8];
  qToBigEndian(bits, buffer);
  bytes_.append(buffer, 8);
  writeUint16(0);
}

void Writer::writeNull()
{
  bytes_.append(static_cast<char>(Null));
}

void Writer::writeValue(const QVariant& value)
{
  switch (value.metaType().id()) {
  case QMetaType::Bool:
    writeBoolean(value.toBool());
    break;
  case QMetaType::QString:
    writeString(value.toString());
    break;
  case QMetaType::QDateTime:
    writeDate(static_cast<double>(value.toDateTime().toMSecsSinceEpoch()));
    break;
  case QMetaType::Nullptr:
    writeNull();
    break;
  case QMetaType::UnknownType:
    bytes_.append(static_cast<char>(Undefined));
    break;
  default:
    writeNumber(value.toDouble());
    break;
  }
}

void Writer::writeEcmaArray(const Properties& properties)
{
  bytes_.append(static_cast<char>(EcmaArray));
  writeUint32(static_cast<quint32>(properties.size()));
  for (const auto& [key, value] : properties) {
    writeKey(key);
    writeValue(value);
  }
  writeUint16(0);
  bytes_.append(static_cast<char>(ObjectEnd));
}

}  // namespace media::amf0
