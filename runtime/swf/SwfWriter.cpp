#include "runtime/swf/SwfWriter.h"

#include <QtEndian>

#include <zlib.h>

#include <cmath>
#include <stdexcept>

namespace flash::swf {

namespace {

class BitWriter {
 public:
  explicit BitWriter(QByteArray& out) : out_(out) {}
  void write(quint32 value, int bits)
  {
    for (int bit = bits - 1; bit >= 0; --bit) {
      current_ = static_cast<quint8>((current_ << 1) | ((value >> bit) & 1));
      if (++used_ == 8) {
        flush();
      }
    }
  }
  void flush()
  {
    if (used_ > 0) {
      out_.append(static_cast<char>(current_ << (8 - used_)));
      current_ = 0;
      used_ = 0;
    }
  }

 private:
  QByteArray& out_;
  quint8 current_ = 0;
  int used_ = 0;
};

void AppendU16(QByteArray& out, quint16 value)
{
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>(value >> 8));
}

void AppendU32(QByteArray& out, quint32 value)
{
  for (int shift = 0; shift < 32; shift += 8) {
    out.append(static_cast<char>((value >> shift) & 0xFF));
  }
}

int BitsFor(qint32 value)
{
  int bits = 1;
  while (value < -(1 << (bits - 1)) || value >= (1 << (bits - 1))) {
    ++bits;
  }
  return bits;
}

void AppendRect(QByteArray& out, const QRectF& pixels)
{
  const qint32 values[4] = {static_cast<qint32>(std::lround(pixels.left() * 20)),
                            static_cast<qint32>(std::lround(pixels.right() * 20)),
                            static_cast<qint32>(std::lround(pixels.top() * 20)),
                            static_cast<qint32>(std::lround(pixels.bottom() * 20))};
  int bits = 1;
  for (qint32 value : values) {
    bits = std::max(bits, BitsFor(value));
  }
  BitWriter writer(out);
  writer.write(static_cast<quint32>(bits), 5);
  for (qint32 value : values) {
    writer.write(static_cast<quint32>(value), bits);
  }
  writer.flush();
}

void AppendTag(QByteArray& out, quint16 code, const QByteArray& body)
{
  if (body.size() < 0x3F) {
    AppendU16(out, static_cast<quint16>((code << 6) | body.size()));
  } else {
    AppendU16(out, static_cast<quint16>((code << 6) | 0x3F));
    AppendU32(out, static_cast<quint32>(body.size()));
  }
  out.append(body);
}

QByteArray Compress(const QByteArray& data)
{
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  QByteArray out(static_cast<qsizetype>(size), '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("zlib could not compress the movie");
  }
  out.resize(static_cast<qsizetype>(size));
  return out;
}

}  // namespace

QByteArray writeMovie(const MovieFile& movie)
{
  QByteArray body;
  AppendRect(body, movie.frameRect);
  const int rate = static_cast<int>(std::lround(movie.frameRate * 256));
  AppendU16(body, static_cast<quint16>(rate));
  AppendU16(body, static_cast<quint16>(movie.frameCount));
  if (movie.fileAttributes) {
    QByteArray flags;
    AppendU32(flags, *movie.fileAttributes);
    AppendTag(body, TagCode::FileAttributes, flags);
  }
  if (movie.backgroundColor) {
    const quint32 rgb = *movie.backgroundColor;
    QByteArray colour;
    colour.append(static_cast<char>((rgb >> 16) & 0xFF));
    colour.append(static_cast<char>((rgb >> 8) & 0xFF));
    colour.append(static_cast<char>(rgb & 0xFF));
    AppendTag(body, TagCode::SetBackgroundColor, colour);
  }
  for (const Tag& tag : movie.otherTags) {
    AppendTag(body, tag.code, tag.body);
  }
  if (!movie.symbolClasses.empty()) {
    QByteArray symbols;
    AppendU16(symbols, static_cast<quint16>(movie.symbolClasses.size()));
    for (const auto& [id, name] : movie.symbolClasses) {
      AppendU16(symbols, id);
      symbols.append(name.toUtf8());
      symbols.append('\0');
    }
    AppendTag(body, TagCode::SymbolClass, symbols);
  }
  AppendTag(body, TagCode::ShowFrame, {});
  AppendTag(body, TagCode::End, {});

  QByteArray file(movie.compressed ? "CWS" : "FWS");
  file.append(static_cast<char>(movie.version));
  AppendU32(file, static_cast<quint32>(8 + body.size()));
  file.append(movie.compressed ? Compress(body) : body);
  return file;
}

}  // namespace flash::swf
