#include "runtime/media/FlvFile.h"

#include "tests/support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace media;

TEST(EmbeddedClip, HasTheHeaderStreamsAndMetadataOfTheClip)
{
  QFile resource(":/FLV/FlashVideo");
  ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
  const QByteArray bytes = resource.readAll();
  EXPECT_EQ(bytes.left(9), QByteArray("FLV\x01\x0d\x00\x00\x00\x09", 9));
  const auto clip = flv::Read(bytes);
  ASSERT_TRUE(clip.has_value());

  ASSERT_FALSE(clip->tags.isEmpty());
  EXPECT_EQ(clip->tags[0].type, flv::ScriptData);
  EXPECT_EQ(clip->tags[0].timestamp, 0u);
  int videoFrames = 0;
  int audioTags = 0;
  QList<quint32> keyFrames;
  quint32 lastVideo = 0;
  quint32 lastAudio = 0;
  for (const flv::Tag& tag : clip->tags.mid(1)) {
    ASSERT_NE(tag.type, flv::ScriptData);
    const auto first = static_cast<quint8>(tag.data.at(0));
    if (tag.type == flv::Video) {
      ++videoFrames;
      EXPECT_EQ(first & 0x0f, 2) << "Sorenson H.263";
      if ((first >> 4) == 1) {
        keyFrames << tag.timestamp;
      }
      lastVideo = tag.timestamp;
    } else {
      ++audioTags;
      EXPECT_EQ(first >> 4, 2) << "MP3";
      EXPECT_EQ(first & 0x01, 0) << "mono";
      lastAudio = tag.timestamp;
    }
  }
  EXPECT_EQ(videoFrames, 75);
  EXPECT_EQ(audioTags, 120);
  EXPECT_EQ(keyFrames, QList<quint32>({0, 2000, 4000, 6000}));
  EXPECT_EQ(lastVideo, 6166u);
  EXPECT_EQ(lastAudio, 6217u);

  amf0::Reader reader(clip->tags[0].data);
  EXPECT_EQ(reader.readValue(), QVariant("onMetaData"));
  const auto metadata = reader.readProperties();
  ASSERT_TRUE(metadata.has_value());
  QStringList names;
  for (const auto& property : *metadata) {
    names << property.first;
  }
  EXPECT_EQ(names, QStringList({"duration", "lasttimestamp", "lastkeyframetimestamp", "videocodecid", "audiocodecid",
                                "audiodelay", "canSeekToEnd", "width", "height", "videodatarate", "audiodatarate",
                                "framerate", "creationdate", "metadatacreator", "metadatadate", "filesize",
                                "videosize", "audiosize", "datasize"}));
  const auto value = [&](const char* name) {
    for (const auto& property : *metadata) {
      if (property.first == name) {
        return property.second;
      }
    }
    return QVariant();
  };
  // The sound's end: its last tag plus one MP3 frame of 576 samples at 11025 Hz.
  EXPECT_NEAR(value("duration").toDouble(), 6.268, 0.002);
  EXPECT_EQ(value("lasttimestamp"), 6.217);
  EXPECT_EQ(value("lastkeyframetimestamp"), 6.0);
  EXPECT_EQ(value("canSeekToEnd"), false);
  EXPECT_EQ(value("width"), 320.0);
  EXPECT_EQ(value("height"), 240.0);
  EXPECT_EQ(value("framerate"), 12.0);
  EXPECT_EQ(value("creationdate"), "unknown");
  EXPECT_EQ(value("filesize"), static_cast<double>(bytes.size()));
}

}  // namespace
