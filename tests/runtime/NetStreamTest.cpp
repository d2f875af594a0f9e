#include "runtime/Player.h"
#include "runtime/events/NetStatusEvent.h"
#include "runtime/media/MpvStream.h"
#include "runtime/media/Video.h"
#include "runtime/net/NetConnection.h"
#include "runtime/net/NetStream.h"

#include "tests/runtime/RuntimeTestSupport.h"
#include "tests/support/EventWait.h"
#include "tests/support/Media.h"
#include "tests/support/NginxServer.h"

#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using flash::events::NetStatusEvent;
using flash::net::NetConnection;
using flash::net::NetStream;

// Records status codes and metadata, and runs the event loop until a condition holds.
class Recorder : public flash::net::NetStreamClient {
 public:
  void listenTo(flash::events::EventDispatcher& dispatcher)
  {
    dispatcher.addTypedListener<NetStatusEvent>(NetStatusEvent::NET_STATUS, [this](NetStatusEvent& event) {
      codes << event.code();
      loop_.quit();
    });
  }
  void onMetaData(const QVariantMap& info) override
  {
    metadata = info;
    loop_.quit();
  }
  void watchFrames(NetStream& stream)
  {
    QObject::connect(&stream.engine(), &media::MpvStream::frameReady, &loop_, [this] {
      ++frames;
      loop_.quit();
    });
  }
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
  int frames = 0;

 private:
  QEventLoop loop_;
};

class NetStreamTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    folder = new QTemporaryDir;
    ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, folder->path() + "/clip.flv", 3));
    ASSERT_TRUE(MakeMedia(MediaKind::Mp4WithAac, folder->path() + "/clip.mp4", 2));
  }
  static void TearDownTestSuite() { delete folder; }

  std::unique_ptr<flash::Player> MakePlayer(flash::Player::Host host = {})
  {
    flash::swf::MovieFile movie;
    movie.frameRect = QRectF(0, 0, 408, 380);
    return std::make_unique<flash::Player>(
        movie, QMap<QString, QString>{}, std::make_shared<flash::utils::Clock>(flash::utils::Clock::Mode::Manual),
        std::move(host));
  }

  static QTemporaryDir* folder;
};
QTemporaryDir* NetStreamTest::folder = nullptr;

TEST_F(NetStreamTest, LocalConnectionSucceedsDuringTheCall)
{
  auto connection = std::make_shared<NetConnection>();
  Recorder recorder;
  recorder.listenTo(*connection);
  connection->connect(QVariant::fromValue(nullptr));
  EXPECT_EQ(recorder.codes, QStringList({"NetConnection.Connect.Success"}));
  EXPECT_TRUE(connection->connected());
  EXPECT_TRUE(connection->isLocal());
}

TEST_F(NetStreamTest, PlaysAFileIntoAVideoWithItsMetadata)
{
  auto player = MakePlayer();
  auto connection = std::make_shared<NetConnection>();
  connection->connect(QVariant());
  auto stream = std::make_shared<NetStream>(*player, connection);
  auto recorder = std::make_shared<Recorder>();
  recorder->listenTo(*stream);
  recorder->watchFrames(*stream);
  stream->setClient(recorder);
  auto video = std::make_shared<flash::media::Video>(400, 300);
  video->attachNetStream(stream);
  stream->play(folder->path() + "/clip.flv");
  ASSERT_TRUE(recorder->waitFor([&] { return recorder->frames > 0 && !recorder->metadata.isEmpty(); }));
  EXPECT_EQ(recorder->codes.first(), "NetStream.Play.Start");
  EXPECT_EQ(recorder->metadata.value("width"), 320.0);
  EXPECT_EQ(video->videoWidth(), 320);
  // The picture fills the video's own size.
  const QImage picture = runtime_test::Render(*video, 400, 300);
  EXPECT_EQ(picture.pixelColor(0, 0) == QColor(Qt::white), false);
  EXPECT_EQ(picture.pixelColor(399, 299) == QColor(Qt::white), false);

  flash::media::SoundTransform half;
  half.volume = 0.5;
  stream->setSoundTransform(half);
  EXPECT_DOUBLE_EQ(stream->engine().volume(), 0.5);
}

TEST_F(NetStreamTest, RelativePathIsServedByTheHostFirst)
{
  QFile clip(folder->path() + "/clip.flv");
  ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
  const QByteArray bytes = clip.readAll();
  QStringList asked;
  int closed = 0;
  flash::Player::Host host;
  host.openResource = [&](const QString& path) -> QIODevice* {
    asked << path;
    if (path != "FlashVideo.flv") {
      return nullptr;
    }
    auto* buffer = new QBuffer;
    buffer->setData(bytes);
    return buffer;
  };
  host.resourceClosing = [&](QIODevice*) { ++closed; };
  auto player = MakePlayer(host);
  auto connection = std::make_shared<NetConnection>();
  connection->connect(QVariant());
  auto stream = std::make_shared<NetStream>(*player, connection);
  auto recorder = std::make_shared<Recorder>();
  recorder->listenTo(*stream);
  stream->setClient(recorder);
  stream->play("FlashVideo.flv");
  ASSERT_TRUE(recorder->waitForCode("NetStream.Buffer.Full"));
  EXPECT_EQ(recorder->metadata.value("height"), 240.0);
  EXPECT_EQ(asked, QStringList({"FlashVideo.flv"}));
  EXPECT_EQ(closed, 1);

  stream->play("flashvideo.flv");
  EXPECT_TRUE(recorder->waitForCode("NetStream.Play.StreamNotFound"));
}

TEST_F(NetStreamTest, ServerStreamsPlayOverRtmp)
{
  NginxServer server(folder->path(), folder->path());
  ASSERT_TRUE(server.start()) << server.error().toStdString();
  auto player = MakePlayer();
  auto connection = std::make_shared<NetConnection>();
  Recorder connectionRecorder;
  connectionRecorder.listenTo(*connection);
  connection->connect(server.rtmpBase() + "/vod");
  EXPECT_TRUE(connectionRecorder.codes.isEmpty());
  ASSERT_TRUE(connectionRecorder.waitForCode("NetConnection.Connect.Success"));

  for (const QString name : {"mp4:clip", "clip"}) {
    auto stream = std::make_shared<NetStream>(*player, connection);
    auto recorder = std::make_shared<Recorder>();
    recorder->listenTo(*stream);
    stream->setClient(recorder);
    stream->play(name);
    EXPECT_TRUE(recorder->waitForCode("NetStream.Buffer.Full")) << name.toStdString();
    EXPECT_GT(recorder->metadata.value("duration").toDouble(), 1.5) << name.toStdString();
  }
  auto missing = std::make_shared<NetStream>(*player, connection);
  Recorder missingRecorder;
  missingRecorder.listenTo(*missing);
  missing->play("not-there");
  EXPECT_TRUE(missingRecorder.waitForCode("NetStream.Play.StreamNotFound"));
}

TEST_F(NetStreamTest, TheMovieEndingStopsItsStreams)
{
  auto player = MakePlayer();
  auto connection = std::make_shared<NetConnection>();
  connection->connect(QVariant());
  auto stream = std::make_shared<NetStream>(*player, connection);
  Recorder recorder;
  recorder.listenTo(*stream);
  stream->play(folder->path() + "/clip.mp4");
  ASSERT_TRUE(recorder.waitForCode("NetStream.Buffer.Full"));
  player->shutdown();
  EXPECT_EQ(stream->time(), 0);
}

}  // namespace
