#include "runtime/media/Amf0.h"
#include "runtime/media/FlvFile.h"

#include "tests/support/QtPrinters.h"

#include <QBuffer>
#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace media;

TEST(Amf0, ValuesRoundTripWithTheirTypes)
{
  const amf0::Properties properties{
      {"duration", 6.268},
      {"tiny", 5e-324},
      {"huge", 1.7976931348623157e308},
      {"negative", -0.0},
      {"canSeekToEnd", false},
      {"title", QStringLiteral("naïve & <clip> \"x\"")},
      {"empty", QString()},
      {"created", QDateTime(QDate(2010, 5, 6), QTime(7, 8, 9, 10), Qt::UTC)},
      {"nothing", QVariant::fromValue(nullptr)},
      {"undefined", QVariant()},
  };
  amf0::Writer writer;
  writer.writeEcmaArray(properties);
  amf0::Reader reader(writer.bytes());
  const auto read = reader.readProperties();
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->size(), properties.size());
  for (int i = 0; i < properties.size(); ++i) {
    const auto& [key, value] = properties[i];
    EXPECT_EQ((*read)[i].first, key);
    EXPECT_EQ((*read)[i].second.metaType(), value.metaType()) << key.toStdString();
    EXPECT_EQ((*read)[i].second, value) << key.toStdString();
  }
  EXPECT_TRUE(std::signbit((*read)[3].second.toDouble()));
  EXPECT_TRUE(reader.atEnd());
}

TEST(Amf0, NestedObjectsArraysAndLongStrings)
{
  // An object holding a strict array and a long string, written by hand.
  QByteArray bytes;
  bytes.append('\x03');
  bytes.append(QByteArray("\x00\x04keys\x0a\x00\x00\x00\x02\x00\x40\x00\x00\x00\x00\x00\x00\x00\x01\x01", 22));
  const QByteArray longText(70000, 'z');
  bytes.append(QByteArray("\x00\x04long\x0c\x00\x01\x11\x70", 11));
  bytes.append(longText);
  bytes.append(QByteArray("\x00\x00\x09", 3));
  amf0::Reader reader(bytes);
  const auto value = reader.readValue();
  ASSERT_TRUE(value.has_value());
  const QVariantMap map = value->toMap();
  EXPECT_EQ(map.value("keys").toList(), QVariantList({2.0, true}));
  EXPECT_EQ(map.value("long").toString().size(), 70000);
}

TEST(Amf0, CutOrUnknownDataIsRefused)
{
  amf0::Writer writer;
  writer.writeEcmaArray({{"duration", 1.5}, {"name", QStringLiteral("clip")}});
  const QByteArray whole = writer.bytes();
  for (qsizetype length = 0; length < whole.size(); ++length) {
    amf0::Reader reader(whole.left(length));
    EXPECT_FALSE(reader.readProperties().has_value()) << length;
  }
  amf0::Reader unknown(QByteArray("\x11\x00", 2));
  EXPECT_FALSE(unknown.readValue().has_value());
  // Deeply nested objects are refused, not followed down the stack.
  QByteArray deep;
  for (int i = 0; i < 100000; ++i) {
    deep.append(QByteArray("\x03\x00\x01k", 4));
  }
  amf0::Reader nested(deep);
  EXPECT_FALSE(nested.readValue().has_value());
}

TEST(Flv, WrittenFilesReadBackAndMetadataIsFoundAtTheStart)
{
  flv::File file{0x05, {}};
  file.tags.append({flv::ScriptData, 0, flv::ScriptTagData("onMetaData", {{"width", 320.0}, {"custom", 1.25}})});
  file.tags.append({flv::Video, 0, QByteArray("\x12videodata", 10)});
  file.tags.append({flv::Audio, 0x1234567, QByteArray("\x2f", 1)});
  const QByteArray bytes = flv::Write(file);

  const auto read = flv::Read(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->flags, 0x05);
  ASSERT_EQ(read->tags.size(), 3);
  EXPECT_EQ(read->tags[2].timestamp, 0x1234567u);
  EXPECT_EQ(read->tags[1].data, file.tags[1].data);

  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto metadata = flv::ReadMetadata(buffer);
  ASSERT_TRUE(metadata.has_value());
  EXPECT_EQ(*metadata, amf0::Properties({{"width", 320.0}, {"custom", 1.25}}));
}

TEST(Flv, BrokenFilesAreRefused)
{
  flv::File file{0x05, {{flv::Video, 0, QByteArray(100, 'v')}}};
  const QByteArray bytes = flv::Write(file);
  QString error;
  EXPECT_FALSE(flv::Read(bytes.left(bytes.size() - 10), &error).has_value());
  EXPECT_TRUE(error.contains("cut short"));
  EXPECT_FALSE(flv::Read("GIF89a....", &error).has_value());
  EXPECT_EQ(error, "not an FLV file");

  QBuffer noMetadata;
  noMetadata.setData(bytes);
  noMetadata.open(QIODevice::ReadOnly);
  EXPECT_FALSE(flv::ReadMetadata(noMetadata).has_value());
  QBuffer random;
  random.setData(QByteArray(4096, '\x7f'));
  random.open(QIODevice::ReadOnly);
  EXPECT_FALSE(flv::ReadMetadata(random).has_value());
}

}  // namespace
