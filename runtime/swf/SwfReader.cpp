#include "runtime/swf/SwfReader.h"

#include <zlib.h>

namespace flash::swf {

namespace {

// Far above any movie this runtime plays; a header that claims more is not believed.
constexpr quint32 kLargestMovie = 64u * 1024 * 1024;

struct Refused {
  QString reason;
};

class ByteReader {
 public:
  explicit ByteReader(const QByteArray& data) : data_(data) {}

  quint8 u8()
  {
    need(1);
    return static_cast<quint8>(data_[position_++]);
  }
  quint16 u16()
  {
    const quint16 low = u8();
    return static_cast<quint16>(low | (u8() << 8));
  }
  quint32 u32()
  {
    const quint32 low = u16();
    return low | (static_cast<quint32>(u16()) << 16);
  }
  QByteArray bytes(qsizetype count)
  {
    need(count);
    QByteArray result = data_.mid(position_, count);
    position_ += count;
    return result;
  }
  quint32 bits(int count)
  {
    quint32 value = 0;
    for (int i = 0; i < count; ++i) {
      if (bitsLeft_ == 0) {
        bitBuffer_ = u8();
        bitsLeft_ = 8;
      }
      --bitsLeft_;
      value = (value << 1) | ((bitBuffer_ >> bitsLeft_) & 1u);
    }
    return value;
  }
  qint32 signedBits(int count)
  {
    const quint32 value = bits(count);
    if (count > 0 && count < 32 && (value & (1u << (count - 1)))) {
      return static_cast<qint32>(value | ~((1u << count) - 1));
    }
    return static_cast<qint32>(value);
  }
  void alignToByte() { bitsLeft_ = 0; }
  bool atEnd() const { return position_ >= data_.size(); }

 private:
  void need(qsizetype count) const
  {
    if (count < 0 || position_ + count > data_.size()) {
      throw Refused{QStringLiteral("the movie file is truncated")};
    }
  }

  const QByteArray& data_;
  qsizetype position_ = 0;
  quint8 bitBuffer_ = 0;
  int bitsLeft_ = 0;
};

QByteArray Inflate(const QByteArray& compressed, quint32 expected)
{
  QByteArray out(static_cast<qsizetype>(expected), '\0');
  z_stream stream{};
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  if (inflateInit(&stream) != Z_OK) {
    throw Refused{QStringLiteral("zlib could not be set up")};
  }
  const int status = inflate(&stream, Z_FINISH);
  const QString message = stream.msg != nullptr ? QString::fromUtf8(stream.msg) : QString();
  const uLong produced = stream.total_out;
  inflateEnd(&stream);
  if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_MEM_ERROR || status == Z_STREAM_ERROR) {
    throw Refused{QStringLiteral("the movie file's compressed data is unreadable (%1)")
                      .arg(message.isEmpty() ? QStringLiteral("zlib error %1").arg(status) : message)};
  }
  if (produced < expected) {
    throw Refused{QStringLiteral("the movie file is truncated")};
  }
  return out;
}

void ReadTag(MovieFile& movie, quint16 code, const QByteArray& body)
{
  ByteReader tag(body);
  switch (code) {
    case TagCode::FileAttributes:
      movie.fileAttributes = tag.u32();
      break;
    case TagCode::SetBackgroundColor: {
      const quint32 red = tag.u8();
      const quint32 green = tag.u8();
      movie.backgroundColor = (red << 16) | (green << 8) | tag.u8();
      break;
    }
    case TagCode::SymbolClass: {
      const int count = tag.u16();
      for (int i = 0; i < count; ++i) {
        const quint16 id = tag.u16();
        QByteArray name;
        for (quint8 c = tag.u8(); c != 0; c = tag.u8()) {
          name.append(static_cast<char>(c));
        }
        movie.symbolClasses[id] = QString::fromUtf8(name);
      }
      break;
    }
    case TagCode::ShowFrame:
      break;
    default:
      movie.otherTags.push_back(Tag{code, body});
  }
}

MovieFile Read(const QByteArray& file)
{
  if (file.size() < 8) {
    throw Refused{file.startsWith("FWS") || file.startsWith("CWS") ? QStringLiteral("the movie file is truncated")
                                                                    : QStringLiteral("not a movie file (no SWF signature)")};
  }
  const QByteArray signature = file.left(3);
  if (signature != "FWS" && signature != "CWS") {
    throw Refused{signature == "ZWS" ? QStringLiteral("LZMA-compressed movie files are not supported")
                                     : QStringLiteral("not a movie file (no SWF signature)")};
  }
  ByteReader header(file);
  header.bytes(3);
  MovieFile movie;
  movie.compressed = signature == "CWS";
  movie.version = header.u8();
  const quint32 length = header.u32();
  if (length < 8 || length > kLargestMovie) {
    throw Refused{QStringLiteral("the movie file gives an impossible length (%1 bytes)").arg(length)};
  }
  const QByteArray rest = file.mid(8);
  const QByteArray body = movie.compressed ? Inflate(rest, length - 8) : rest.left(length - 8);
  if (body.size() < static_cast<qsizetype>(length - 8)) {
    throw Refused{QStringLiteral("the movie file is truncated")};
  }

  ByteReader reader(body);
  const int bits = static_cast<int>(reader.bits(5));
  const qint32 xMin = reader.signedBits(bits);
  const qint32 xMax = reader.signedBits(bits);
  const qint32 yMin = reader.signedBits(bits);
  const qint32 yMax = reader.signedBits(bits);
  reader.alignToByte();
  movie.frameRect = QRectF(QPointF(xMin / 20.0, yMin / 20.0), QPointF(xMax / 20.0, yMax / 20.0));
  movie.frameRate = reader.u16() / 256.0;
  movie.frameCount = reader.u16();

  for (;;) {
    const quint16 record = reader.u16();
    const quint16 code = record >> 6;
    quint32 size = record & 0x3F;
    if (size == 0x3F) {
      size = reader.u32();
    }
    const QByteArray tagBody = reader.bytes(static_cast<qsizetype>(size));
    if (code == TagCode::End) {
      break;
    }
    ReadTag(movie, code, tagBody);
  }
  return movie;
}

}  // namespace

ReadResult readMovie(const QByteArray& file)
{
  try {
    return {Read(file), {}};
  } catch (const Refused& refused) {
    return {std::nullopt, refused.reason};
  }
}

}  // namespace flash::swf
