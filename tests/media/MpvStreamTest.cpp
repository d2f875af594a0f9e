#include "runtime/media/MpvStream.h"

#include "tests/support/EventWait.h"
#include "tests/support/Media.h"
#include "tests/support/TestEnvironment.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using media::MpvStream;

// Records what a stream reports and runs the event loop until a condition holds.
class StreamObserver {
 public:
  explicit StreamObserver(MpvStream& stream) : stream_(stream)
  {
    QObject::connect(&stream, &MpvStream::status, &loop_, [this](const QString& code, const QString&) {
      codes << code;
      loop_.quit();
    });
    QObject::connect(&stream, &MpvStream::metadata, &loop_, [this](const QVariantMap& info) {
      metadata = info;
      ++metadataCount;
      loop_.quit();
    });
    QObject::connect(&stream, &MpvStream::frameReady, &loop_, [this] {
      ++frames;
      loop_.quit();
    });
  }

  // True when the condition came true within 15 seconds.
  bool waitFor(const std::function<bool()>& condition)
  {
    return RunLoopUntil(loop_, condition);
  }

  bool waitForCode(const QString& code)
  {
    return waitFor([&] { return codes.contains(code); });
  }

  QStringList codes;
  QVariantMap metadata;
  int metadataCount = 0;
  int frames = 0;

 private:
  MpvStream& stream_;
  QEventLoop loop_;
};

class MpvStreamTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    folder = new QTemporaryDir;
    ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, flv(), 4));
    ASSERT_TRUE(MakeMedia(MediaKind::Mp4WithAac, mp4(), 3));
  }
  static void TearDownTestSuite() { delete folder; }
  static QString flv() { return folder->path() + "/clip with spaces & more.flv"; }
  static QString mp4() { return folder->path() + "/clip.mp4"; }
  static QTemporaryDir* folder;
};
QTemporaryDir* MpvStreamTest::folder = nullptr;

TEST_F(MpvStreamTest, PlaysAnFlvFromStartToStopWithItsOwnMetadataAndPictures)
{
  MpvStream stream;
  ASSERT_TRUE(stream.isValid());
  StreamObserver observer(stream);
  stream.play(flv());
  ASSERT_TRUE(observer.waitFor([&] { return observer.frames > 0 && observer.codes.contains("NetStream.Buffer.Full"); }));
  EXPECT_EQ(observer.codes.mid(0, 2), QStringList({"NetStream.Play.Start", "NetStream.Buffer.Full"}));
  EXPECT_EQ(observer.metadataCount, 1);
  EXPECT_EQ(observer.metadata.value("width"), 320.0);
  EXPECT_EQ(observer.metadata.value("height"), 240.0);
  EXPECT_NEAR(observer.metadata.value("duration").toDouble(), 4.0, 0.1);
  // ffmpeg's own fields come through with their types, not only the three the movie reads.
  EXPECT_TRUE(observer.metadata.contains("encoder"));
  EXPECT_EQ(stream.videoSize(), QSize(320, 240));
  const QImage frame = stream.latestFrame();
  ASSERT_FALSE(frame.isNull());
  EXPECT_EQ(frame.size(), QSize(320, 240));

  stream.seek(3.5);
  ASSERT_TRUE(observer.waitForCode("NetStream.Play.Stop"));
  const int stop = static_cast<int>(observer.codes.indexOf("NetStream.Play.Stop"));
  EXPECT_EQ(observer.codes.mid(stop - 1, 3),
            QStringList({"NetStream.Buffer.Flush", "NetStream.Play.Stop", "NetStream.Buffer.Empty"}));
  EXPECT_TRUE(observer.codes.contains("NetStream.Seek.Notify"));
  EXPECT_NEAR(stream.time(), 4.0, 0.3);
}

TEST_F(MpvStreamTest, PausedSeekLandsExactlyAndStaysPaused)
{
  MpvStream stream;
  StreamObserver observer(stream);
  stream.play(mp4());
  ASSERT_TRUE(observer.waitForCode("NetStream.Buffer.Full"));
  stream.pause();
  stream.seek(1.52);
  ASSERT_TRUE(observer.waitForCode("NetStream.Seek.Notify"));
  EXPECT_TRUE(stream.isPaused());
  EXPECT_NEAR(stream.time(), 1.52, 0.05);
  stream.resume();
  EXPECT_FALSE(stream.isPaused());
}

TEST_F(MpvStreamTest, RendersAtTheSizeItIsGiven)
{
  MpvStream stream;
  StreamObserver observer(stream);
  stream.setTargetSize(QSize(200, 100));
  stream.play(mp4());
  ASSERT_TRUE(observer.waitFor([&] { return observer.frames > 0; }));
  EXPECT_EQ(stream.latestFrame().size(), QSize(200, 100));
  EXPECT_EQ(observer.metadata.value("width"), 640.0);
}

TEST_F(MpvStreamTest, VolumeIsAppliedToTheStream)
{
  MpvStream stream;
  stream.setVolume(0.5);
  EXPECT_DOUBLE_EQ(stream.volume(), 0.5);
  stream.setVolume(1.5);
  EXPECT_DOUBLE_EQ(stream.volume(), 1.0);
  stream.setVolume(0);
  EXPECT_DOUBLE_EQ(stream.volume(), 0.0);
}

TEST_F(MpvStreamTest, WhatCannotBePlayedEndsInStreamNotFound)
{
  QFile random(folder->path() + "/random.flv");
  ASSERT_TRUE(random.open(QIODevice::WriteOnly));
  for (int i = 0; i < 20000; ++i) {
    random.write(QByteArray::number(i * 2654435761u % 251));
  }
  random.close();
  QFile whole(flv());
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  QFile truncated(folder->path() + "/truncated.flv");
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  truncated.write(whole.read(300));
  truncated.close();

  for (const QString& location : {folder->path() + "/missing.flv", random.fileName(), truncated.fileName(),
                                  QString("ftp://127.0.0.1/clip.flv"), QString()}) {
    MpvStream stream;
    StreamObserver observer(stream);
    stream.play(location);
    EXPECT_TRUE(observer.waitForCode("NetStream.Play.StreamNotFound")) << location.toStdString();
    EXPECT_FALSE(observer.codes.contains("NetStream.Buffer.Full"));
    EXPECT_EQ(stream.time(), 0);
  }
}

TEST_F(MpvStreamTest, ClosingStopsReportsAndTheStreamCanPlayAgain)
{
  MpvStream stream;
  StreamObserver observer(stream);
  stream.play(mp4());
  ASSERT_TRUE(observer.waitForCode("NetStream.Buffer.Full"));
  stream.close();
  stream.close();
  EXPECT_EQ(stream.time(), 0);
  observer.codes.clear();
  stream.play(flv());
  ASSERT_TRUE(observer.waitForCode("NetStream.Buffer.Full"));
  EXPECT_EQ(observer.codes.first(), "NetStream.Play.Start");
}

}  // namespace
