#include "player/MainForm.h"
#include "player/MovieHostBridge.h"
#include "player/SettingsStore.h"
#include "player/StartParameters.h"
#include "player/WindowFrame.h"
#include "runtime/FlashPlayerControl.h"
#include "runtime/FlashVars.h"
#include "runtime/Player.h"
#include "runtime/display/Sprite.h"
#include "runtime/events/NetStatusEvent.h"
#include "runtime/net/NetConnection.h"
#include "runtime/net/NetStream.h"
#include "tests/player/PlayerTestSupport.h"
#include "tests/support/Media.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDomDocument>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(StartParameters, EveryPathComesBackUnchangedFromTheMoviesReading)
{
  const QString paths[] = {"/v/my clip.flv",          "/v/a,b,c.mp4",         "/v/rock & roll.flv",
                           "/v/100% pure.flv",        "/v/%41%zz%.flv",       "/v/a+b=c.flv",
                           "/v/\"quoted\" 'x'.mp4",   QStringLiteral("/v/naïve 日本.flv"), "/v/type_video=rtmp&url=x.flv"};
  for (const QString& path : paths) {
    const QMap<QString, QString> read = flash::parseFlashVars(BuildStartParameters(path));
    EXPECT_EQ(read.value("url"), path) << path.toStdString();
    EXPECT_EQ(read.value("type_video"), "flv");
    EXPECT_EQ(read.value("auto_play"), "true");
    EXPECT_EQ(read.size(), 3);
  }
  // Characters that need no escape pass as they are.
  EXPECT_EQ(BuildStartParameters("/v/my clip, 2.mp4"), "type_video=flv&url=/v/my clip, 2.mp4&auto_play=true");
}

TEST(StartParameters, CaptionAndFolder)
{
  EXPECT_EQ(CaptionFor("/videos/my.clip.flv"), "my.clip");
  EXPECT_EQ(CaptionFor("/videos/noextension"), "noextension");
  EXPECT_EQ(CaptionFor("/videos/.flv"), "");
  EXPECT_EQ(FolderWithSeparator("/videos/clip.flv"), "/videos/");
}

TEST(MovieHostBridge, ReadsCallsWithoutAnswering)
{
  QString asked;
  const auto askMovie = [&](const QString& request) {
    asked = request;
    return QString("<number>12.5</number>");
  };
  QLocale::setDefault(QLocale(QLocale::German));
  const MovieCallReading metadata = ReadMovieCall(
      R"(<invoke name="onMetaData" returntype="xml"><arguments><object><property id="duration"><number>12.5</number></property></object></arguments></invoke>)",
      askMovie);
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(metadata.name, "onMetaData");
  EXPECT_EQ(asked, R"(<invoke name="getDuration" returntype="xml"><arguments></arguments></invoke>)");
  ASSERT_TRUE(metadata.duration.has_value());
  EXPECT_DOUBLE_EQ(*metadata.duration, 12.5);

  const auto status = [&](const QString& code) {
    return ReadMovieCall(R"(<invoke name="onVideoStatus" returntype="xml"><arguments><string>)" + code +
                             "</string></arguments></invoke>",
                         askMovie);
  };
  EXPECT_TRUE(status("NetStream.Play.Start").playbackStarted);
  EXPECT_FALSE(status("NetStream.Play.Stop").playbackStarted);

  EXPECT_FALSE(ReadMovieCall(R"(<invoke name="onMetaData"><arguments/></invoke>)", [](const QString&) {
                 return QString();
               }).duration.has_value());
  EXPECT_EQ(ReadMovieCall("<invoke name=", askMovie).name, "");
}

TEST(MovieHostBridge, ServesTheEmbeddedClipUnderExactlyItsName)
{
  std::unique_ptr<QIODevice> first(OpenEmbeddedResource("FlashVideo.flv"));
  std::unique_ptr<QIODevice> second(OpenEmbeddedResource("FlashVideo.flv"));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(first->read(3), "FLV");
  EXPECT_EQ(second->read(3), "FLV");
  EXPECT_EQ(OpenEmbeddedResource("flashvideo.flv"), nullptr);
  EXPECT_EQ(OpenEmbeddedResource("FlashVideo.flv "), nullptr);
}

// Stands in for the player movie: plays its "url" parameter and reports the stream's status codes to
// the host, as the real movie does.
class PlayingMovie : public flash::display::Sprite {
 public:
  explicit PlayingMovie(flash::Player& player)
  {
    connection_->connect(QVariant());
    stream_ = std::make_shared<flash::net::NetStream>(player, connection_);
    stream_->addTypedListener<flash::events::NetStatusEvent>(
        flash::events::NetStatusEvent::NET_STATUS, [&player](flash::events::NetStatusEvent& event) {
          player.externalInterface().call("onVideoStatus", {event.code()});
        });
    stream_->play(player.parameters().value("url"));
  }

 private:
  std::shared_ptr<flash::net::NetConnection> connection_ = std::make_shared<flash::net::NetConnection>();
  std::shared_ptr<flash::net::NetStream> stream_;
};

class PlayFileTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ResetProgramState();
    form = std::make_unique<TMainForm>();
    form->FlashPlayer->classes().registerClass(
        "classes.VideoPlayer", [](flash::Player& player) { return std::make_shared<PlayingMovie>(player); });
    QObject::connect(form->FlashPlayer, &TFlashPlayerControl::OnFlashCall, &loop, [this](const QString& request) {
      QDomDocument call;
      call.setContent(request);
      if (call.documentElement().attribute("name") == "onVideoStatus") {
        codes << call.documentElement().firstChildElement().firstChildElement().text();
        loop.quit();
      }
    });
  }

  bool WaitForCode(const QString& code)
  {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(15000);
    while (!codes.contains(code) && guard.isActive()) {
      loop.exec();
    }
    return codes.contains(code);
  }

  ScopedTestHome home;
  std::unique_ptr<TMainForm> form;
  QEventLoop loop;
  QStringList codes;
};

TEST_F(PlayFileTest, PlaysExactlyThePathItWasGiven)
{
  const QString video = home.path() + "/rock & roll 100% + more.flv";
  ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, video, 1));
  form->PlayFile(video);
  EXPECT_TRUE(WaitForCode("NetStream.Buffer.Full"));
  EXPECT_FALSE(codes.contains("NetStream.Play.StreamNotFound"));
  EXPECT_EQ(form->windowTitle(), "rock & roll 100% + more");
  EXPECT_TRUE(form->Splash->isHidden());
  EXPECT_FALSE(form->FlashPlayer->isHidden());
  EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(ReadSetting(SettingsKeyPath, LastOpenDirectoryValue), home.path() + "/");
}

TEST_F(PlayFileTest, LastOpenDirectoryIsWrittenOnlyWhileTheKeyExists)
{
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  form->PlayFile(home.path() + "/missing.flv");
  EXPECT_TRUE(WaitForCode("NetStream.Play.StreamNotFound"));
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));
}

TEST_F(PlayFileTest, OpenFitsTheWindowAndReplayAfterACancelledOpenPlaysTheSameFile)
{
  const QString video = home.path() + "/clip.flv";
  ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, video, 1));
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(video);
    static_cast<QDialog*>(dialog)->accept();
  });
  form->Open->click();
  EXPECT_EQ(form->CurrentFile(), video);
  EXPECT_TRUE(form->Replay->isEnabled());
  EXPECT_TRUE(form->Convert->isEnabled());
  EXPECT_EQ(OuterSizeForClient(form->size()), QSize(320 + 16, 240 + 110));

  WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  form->Open->click();
  EXPECT_EQ(form->CurrentFile(), video);
  form->resize(500, 500);
  codes.clear();
  form->Replay->click();
  EXPECT_EQ(flash::parseFlashVars(form->FlashPlayer->FlashVars()).value("url"), video);
  EXPECT_TRUE(WaitForCode("NetStream.Buffer.Full"));
  EXPECT_EQ(form->size(), QSize(500, 500));
}

TEST_F(PlayFileTest, TheControlIsServedTheEmbeddedClip)
{
  form->PlayFile("FlashVideo.flv");
  EXPECT_TRUE(WaitForCode("NetStream.Buffer.Full"));
}

}  // namespace
