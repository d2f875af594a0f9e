#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <optional>

// Action Message Format 0, the encoding of FLV script data (onMetaData). Values map to QVariant:
// number -> double, boolean -> bool, string and long string -> QString, object and ECMA array ->
// QVariantMap, strict array -> QVariantList, date -> QDateTime (UTC), null -> std::nullptr_t,
// undefined -> an invalid QVariant.
namespace media::amf0 {

// Properties of an object in their stored order.
using Properties = QList<QPair<QString, QVariant>>;

class Reader {
 public:
  explicit Reader(const QByteArray& data) : data_(data) {}

  // The next value; nothing when the data ends early or holds an unknown type.
  std::optional<QVariant> readValue();
  // The next value when it is an object or ECMA array, with its properties in stored order.
  std::optional<Properties> readProperties();

  bool atEnd() const { return position_ >= data_.size(); }

 private:
  std::optional<quint8> readByte();
  std::optional<quint16> readUint16();
  std::optional<quint32> readUint32();
  std::optional<double> readDouble();
  std::optional<QString> readUtf8(quint32 length);
  std::optional<Properties> readPropertyList();
  std::optional<QVariant> readValueOfType(quint8 type);

  QByteArray data_;
  qsizetype position_ = 0;
  int depth_ = 0;
};

class Writer {
 public:
  void writeNumber(double value);
  void writeBoolean(bool value);
  void writeString(const QString& value);
  void writeDate(double millisecondsSinceEpoch);
  void writeNull();
  // An ECMA array with the properties in the given order; values may be doubles, bools, texts,
  // nested property lists are not written.
  void writeEcmaArray(const Properties& properties);
  void writeValue(const QVariant& value);

  const QByteArray& bytes() const { return bytes_; }

 private:
  void writeUint16(quint16 value);
  void writeUint32(quint32 value);
  void writeKey(const QString& key);

  QByteArray bytes_;
};

}  // namespace media::amf0
