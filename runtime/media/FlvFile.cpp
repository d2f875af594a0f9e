#include "runtime/media/FlvFile.h"

#include <QIODevice>
#include <QtEndian>

namespace media::flv {

namespace {

constexpr int kHeaderSize = 9;
constexpr int kTagHeaderSize = 11;
// Metadata sits in front of the media; it is not looked for behind this many tags.
constexpr int kTagsSearchedForMetadata = 16;

quint32 Uint24(const char* bytes)
{
  return (static_cast<quint8>(bytes[0]) << 16) | (static_cast<quint8>(bytes[1]) << 8) | static_cast<quint8>(bytes[2]);
}

void AppendUint24(QByteArray& out, quint32 value)
{
  out.append(static_cast<char>((value >> 16) & 0xff));
  out.append(static_cast<char>((value >> 8) & 0xff));
  out.append(static_cast<char>(value & 0xff));
}

void AppendUint32(QByteArray& out, quint32 value)
{
  char buffer[4];
  qToBigEndian(value, buffer);
  out.append(buffer, 4);
}

bool HasSignature(const QByteArray& header)
{
  return header.size() >= kHeaderSize && header.startsWith("FLV") && header[3] == 1;
}

quint32 TimestampOf(const char* tagHeader)
{
  return Uint24(tagHeader + 4) | (static_cast<quint32>(static_cast<quint8>(tagHeader[7])) << 24);
}

std::optional<amf0::Properties> MetadataOf(const QByteArray& scriptData)
{
  amf0::Reader reader(scriptData);
  const auto name = reader.readValue();
  if (!name || name->toString() != QStringLiteral("onMetaData")) {
    return std::nullopt;
  }
  return reader.readProperties();
}

}  // namespace

std::optional<File> Read(const QByteArray& bytes, QString* error)
{
  const auto fail = [error](const QString& reason) -> std::optional<File> {
    if (error != nullptr) {
      *error = reason;
    }
    return std::nullopt;
  };
  if (!HasSignature(bytes)) {
    return fail(QStringLiteral("not an FLV file"));
  }
  File file;
  file.flags = static_cast<quint8>(bytes[4]);
  qsizetype position = qFromBigEndian<quint32>(bytes.constData() + 5) + 4;
  while (position < bytes.size()) {
    if (position + kTagHeaderSize > bytes.size()) {
      return fail(QStringLiteral("tag header cut short at byte %1").arg(position));
    }
    const char* header = bytes.constData() + position;
    const quint32 size = Uint24(header + 1);
    if (position + kTagHeaderSize + static_cast<qsizetype>(size) + 4 > bytes.size()) {
      return fail(QStringLiteral("tag cut short at byte %1").arg(position));
    }
    file.tags.append({static_cast<quint8>(header[0]), TimestampOf(header), bytes.mid(position + kTagHeaderSize, size)});
    position += kTagHeaderSize + size + 4;
  }
  return file;
}

QByteArray Write(const File& file)
{
  QByteArray out("FLV\x01", 4);
  out.append(static_cast<char>(file.flags));
  AppendUint32(out, kHeaderSize);
  AppendUint32(out, 0);
  for (const Tag& tag : file.tags) {
    out.append(static_cast<char>(tag.type));
    AppendUint24(out, static_cast<quint32>(tag.data.size()));
    AppendUint24(out, tag.timestamp & 0xffffff);
    out.append(static_cast<char>((tag.timestamp >> 24) & 0xff));
    AppendUint24(out, 0);
    out.append(tag.data);
    AppendUint32(out, static_cast<quint32>(kTagHeaderSize + tag.data.size()));
  }
  return out;
}

QByteArray ScriptTagData(const QString& name, const amf0::Properties& properties)
{
  amf0::Writer writer;
  writer.writeString(name);
  writer.writeEcmaArray(properties);
  return writer.bytes();
}

std::optional<amf0::Properties> ReadMetadata(QIODevice& device)
{
  const QByteArray header = device.read(kHeaderSize + 4);
  if (!HasSignature(header) || header.size() < kHeaderSize + 4) {
    return std::nullopt;
  }
  const quint32 headerSize = qFromBigEndian<quint32>(header.constData() + 5);
  if (headerSize > kHeaderSize && device.read(headerSize - kHeaderSize).size() != headerSize - kHeaderSize) {
    return std::nullopt;
  }
  for (int i = 0; i < kTagsSearchedForMetadata; ++i) {
    const QByteArray tagHeader = device.read(kTagHeaderSize);
    if (tagHeader.size() < kTagHeaderSize) {
      return std::nullopt;
    }
    const quint32 size = Uint24(tagHeader.constData() + 1);
    if (static_cast<quint8>(tagHeader[0]) == ScriptData) {
      const QByteArray data = device.read(size);
      if (data.size() != static_cast<qsizetype>(size)) {
        return std::nullopt;
      }
      if (auto metadata = MetadataOf(data)) {
        return metadata;
      }
    } else if (device.skip(size) != static_cast<qint64>(size)) {
      return std::nullopt;
    }
    if (device.read(4).size() != 4) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace media::flv
