#include "movie/classes/ClockText.h"
#include "movie/classes/StreamAddress.h"
#include "movie/classes/TimeLine.h"
#include "movie/classes/VideoInfo.h"
#include "movie/classes/VideoPlayer.h"
#include "movie/classes/VolumeControl.h"
#include "runtime/display/Stage.h"
#include "runtime/media/MpvStream.h"
#include "runtime/media/Video.h"
#include "runtime/net/NetStream.h"
#include "runtime/text/TextField.h"
#include "tests/movie/MovieHostFixture.h"
#include "tests/support/Media.h"
#include "tests/support/NginxServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using classes::SkinKind;

class VideoPlayerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    folder = new QTemporaryDir;
    ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, clip(), 4));
  }
  static void TearDownTestSuite() { delete folder; }
  static QString clip() { return folder->path() + "/clip.flv"; }
  static QTemporaryDir* folder;
};
QTemporaryDir* VideoPlayerTest::folder = nullptr;

TEST(ClockText, LabelsOfTimes)
{
  const struct {
    double seconds;
    SkinKind skin;
    QString text;
  } cases[] = {
      {59.5, SkinKind::Default, "00:59"},   {60.0, SkinKind::Default, "00:59"},  {60.2, SkinKind::Default, "01:00"},
      {3600, SkinKind::Default, "59:59"},   {30.0, SkinKind::Default, "00:29"},  {30.2, SkinKind::Default, "00:30"},
      {0, SkinKind::Default, "00:00"},      {0, SkinKind::Xml, "00:00:00"},      {90.5, SkinKind::Xml, "00:01:30"},
      {3600, SkinKind::Xml, "00:59:59"},    {3725.4, SkinKind::Xml, "01:02:05"}, {4500.5, SkinKind::Default, "75:00"},
      {6000.5, SkinKind::Default, "00:00"}, {std::nan(""), SkinKind::Default, "00:00"},
      {-3, SkinKind::Xml, "00:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(classes::ClockText(c.seconds, c.skin), c.text) << c.seconds;
  }
}

TEST(StreamAddress, ConnectionAndStreamNameOfServerUrls)
{
  const struct {
    QString url;
    QString connection;
    QString name;
  } cases[] = {
      {"rtmp://server/app/clip.flv", "rtmp://server/app", "clip"},
      {"rtmp://server/app/folder/clip.mp4", "rtmp://server/app", "mp4:folder/clip"},
      {"rtmp://server/app/clip.mp3", "rtmp://server/app", "mp3:clip"},
      {"rtmp://server/app/clip.MP4", "rtmp://server/app", "clip.MP4"},
      {"rtmp://server/app", "", "rtmp://server/app"},
      {"rtmp://server/clip.flv", "", "rtmp://server/clip"},
      {"rtmp://server/app/live", "rtmp://server/app", "live"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(classes::getStream(c.url), c.connection) << c.url.toStdString();
    EXPECT_EQ(classes::getID(c.url), c.name) << c.url.toStdString();
  }
}

TEST_F(VideoPlayerTest, StartsBeforeRegisteringCallbacksAndStandsPausedWithoutAutoPlay)
{
  MovieHost host;
  QVariant answerInsideStart = QString("not asked");
  host.onCall = [&](const MovieHost::Call& call) {
    if (call.name == "onPlayerInitComplete") {
      answerInsideStart = host.callMovie("getDuration");
    }
  };
  ASSERT_TRUE(host.load("type_video=flv&url=" + clip())) << host.control.MovieError().toStdString();
  EXPECT_FALSE(answerInsideStart.isValid());
  ASSERT_GE(host.calls.size(), 3u);
  EXPECT_EQ(host.names().mid(0, 3), QStringList({"onPlayerInitComplete", "onVideoStatus", "onPauseBtnClick"}));
  EXPECT_EQ(host.calls[1].arguments.value(0), "NetConnection.Connect.Success");
  classes::VideoPlayer& movie = host.movie();
  EXPECT_FALSE(movie.isVideoPlay);
  EXPECT_TRUE(movie.playBtn->visible());
  EXPECT_FALSE(movie.pauseBtn->visible());
  ASSERT_TRUE(host.waitForStatus("NetStream.Buffer.Full"));
  EXPECT_TRUE(movie.stream->engine().isPaused());
  EXPECT_NEAR(host.callMovie("getCurrPosition").toDouble(), 0, 0.1);
}

TEST_F(VideoPlayerTest, StartParametersAreReadAsTheMovieReadsThem)
{
  const struct {
    QString vars;
    bool hidden;
    bool muted;
    int level;
    bool opened;
  } cases[] = {
      {"", false, false, 99, false},
      {"hide_control=false", false, false, 99, false},
      {"hide_control=0", true, false, 99, false},
      {"hide_control=", true, false, 99, false},
      {"mute=false", false, true, 99, false},
      {"mute=", false, false, 99, false},
      {"volume=150", false, false, 99, false},
      {"volume=50", false, false, 49, false},
      {"volume=", false, false, -1, false},
      {"url=" + QString("/x/clip.flv"), false, false, 99, false},
      {"type_video=flv", false, false, 99, false},
  };
  for (const auto& c : cases) {
    MovieHost host;
    ASSERT_TRUE(host.load(c.vars)) << c.vars.toStdString();
    classes::VideoPlayer& movie = host.movie();
    EXPECT_EQ(!movie.is_showControl, c.hidden) << c.vars.toStdString();
    EXPECT_TRUE(movie.visible());
    EXPECT_EQ(movie.volume->isMute(), c.muted) << c.vars.toStdString();
    EXPECT_EQ(movie.volume->getVolume(), c.level) << c.vars.toStdString();
    EXPECT_EQ(movie.connection != nullptr, c.opened) << c.vars.toStdString();
    EXPECT_EQ(host.names().value(0), "onPlayerInitComplete");
  }
}

TEST_F(VideoPlayerTest, DefaultLayoutAtTheMoviesSizeAndAfterAResize)
{
  MovieHost host;
  ASSERT_TRUE(host.load(""));
  classes::VideoPlayer& movie = host.movie();
  const struct {
    const char* name;
    std::shared_ptr<flash::display::DisplayObject> part;
    double x;
    double y;
    double width;
  } parts[] = {
      {"back", movie.back, 0, 0, 408},
      {"backScreen", movie.backScreen, 2, 2, 404},
      {"panel", movie.panel, 0, 360, 408},
      {"playBtn", movie.playBtn, 0, 362.25, -1},
      {"timeCurr", movie.timeCurr, 20.3, 360.75, 40},
      {"timeline", movie.timeline, 56.3, 366.75, 245.1},
      {"timeFull", movie.timeFull, 301.4, 360.75, 40},
      {"fullscreenBtn", movie.fullscreenBtn, 339.7, 362.25, -1},
      {"volume", movie.volume, 361, 363.75, -1},
      {"preloader", movie.preloader, 204, 190, -1},
  };
  for (const auto& p : parts) {
    EXPECT_NEAR(p.part->x(), p.x, 1e-9) << p.name;
    EXPECT_NEAR(p.part->y(), p.y, 1e-9) << p.name;
    if (p.width >= 0) {
      EXPECT_NEAR(p.part->width(), p.width, 1e-9) << p.name;
    }
  }
  EXPECT_NEAR(movie.backScreen->height(), 306, 1e-9);
  EXPECT_NEAR(movie.volume->scaleX(), 0.6, 1e-9);

  host.control.resize(600, 450);
  EXPECT_NEAR(movie.back->width(), 600, 1e-9);
  EXPECT_NEAR(movie.panel->y(), 430, 1e-9);
  EXPECT_NEAR(movie.fullscreenBtn->x(), 600 - 68.3, 1e-9);
  EXPECT_NEAR(movie.timeline->width(), 600 - 162.9, 1e-9);
  EXPECT_NEAR(movie.volume->x(), 553, 1e-9);
  EXPECT_NEAR(movie.backScreen->width(), 404, 1e-9);
}

TEST_F(VideoPlayerTest, PictureFitsTheScreenAreaWithControlsShownAndHidden)
{
  MovieHost host;
  ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + clip()));
  ASSERT_TRUE(host.waitFor([&] { return host.names().contains("onMetaData"); }));
  classes::VideoPlayer& movie = host.movie();
  EXPECT_NEAR(movie.video->width(), 400, 1e-9);
  EXPECT_NEAR(movie.video->height(), 300, 1e-9);
  EXPECT_NEAR(movie.mcScreen->x(), 4, 1e-9);
  EXPECT_NEAR(movie.mcScreen->y(), 30, 1e-9);
  EXPECT_EQ(movie.timeFull->text(), "00:04");  // the clip runs a little over 4 s

  host.callMovie("hideAllControl");
  EXPECT_NEAR(movie.video->width(), 408, 1e-9);
  EXPECT_NEAR(movie.video->height(), 306, 1e-9);
  EXPECT_NEAR(movie.mcScreen->x(), 0, 1e-9);
  EXPECT_NEAR(movie.mcScreen->y(), 37, 1e-9);
  EXPECT_FALSE(movie.panel->visible());
  host.callMovie("hideAllControl");
  host.callMovie("showAllControl");
  EXPECT_TRUE(movie.panel->visible());
  EXPECT_TRUE(movie.pauseBtn->visible());
  EXPECT_NEAR(movie.backScreen->x(), 2, 1e-9);
  EXPECT_NEAR(movie.mcScreen->y(), 30, 1e-9);
}

TEST_F(VideoPlayerTest, PauseResumeSeekAndCloseAsTheHostSeesThem)
{
  MovieHost host;
  ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + clip()));
  ASSERT_TRUE(host.waitForStatus("NetStream.Buffer.Full"));
  classes::VideoPlayer& movie = host.movie();
  host.callMovie("pauseVideo");
  EXPECT_EQ(host.names().last(), "onPauseBtnClick");
  EXPECT_TRUE(movie.stream->engine().isPaused());
  host.callMovie("seekVideo", {2.5});
  ASSERT_TRUE(host.waitForStatus("NetStream.Seek.Notify"));
  EXPECT_TRUE(movie.stream->engine().isPaused());
  EXPECT_NEAR(host.callMovie("getCurrPosition").toDouble(), 2.5, 0.1);
  EXPECT_FALSE(host.names().contains("onSeekPosition"));
  host.callMovie("resumeVideo");
  EXPECT_EQ(host.names().last(), "onPlayBtnClick");
  ASSERT_TRUE(host.waitForStatus("NetStream.Play.Stop"));
  EXPECT_TRUE(movie.playBtn->visible());
  EXPECT_FALSE(movie.isVideoPlay);

  host.advanceClock(500);
  EXPECT_EQ(movie.timeCurr->text(), "00:04");
  const double duration = host.callMovie("getDuration").toDouble();
  EXPECT_NEAR(duration, 4, 0.1);
  host.callMovie("closeVideo");
  host.callMovie("closeVideo");
  EXPECT_EQ(host.callMovie("getCurrPosition").toDouble(), -1);
  EXPECT_EQ(host.callMovie("getDuration").toDouble(), duration);
  EXPECT_EQ(movie.mcScreen->parent(), nullptr);
}

TEST_F(VideoPlayerTest, VolumeAndMuteReachTheStream)
{
  MovieHost host;
  ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + clip()));
  classes::VideoPlayer& movie = host.movie();
  ASSERT_TRUE(movie.stream);
  media::MpvStream& engine = movie.stream->engine();
  host.callMovie("setVolume", {100});
  EXPECT_DOUBLE_EQ(engine.volume(), 1.0);
  for (const double ignored : {-1.0, 101.0, std::nan("")}) {
    host.callMovie("setVolume", {ignored});
    EXPECT_DOUBLE_EQ(engine.volume(), 1.0);
  }
  host.callMovie("setMute", {true});
  EXPECT_DOUBLE_EQ(engine.volume(), 0.0);
  host.callMovie("setVolume", {50});
  EXPECT_DOUBLE_EQ(engine.volume(), 0.5);
  EXPECT_TRUE(movie.volume->isMute());
  host.callMovie("setMute", {false});
  EXPECT_DOUBLE_EQ(engine.volume(), 0.49);
}

TEST_F(VideoPlayerTest, WhatCannotBePlayedEndsInStreamNotFoundWithThePlayButtonShown)
{
  for (const QString& url : {folder->path() + "/missing.flv", QString("/dev/null")}) {
    MovieHost host;
    ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + url));
    EXPECT_TRUE(host.waitForStatus("NetStream.Play.StreamNotFound")) << url.toStdString();
    EXPECT_TRUE(host.movie().playBtn->visible());
    EXPECT_FALSE(host.movie().isVideoPlay);
  }
}

TEST_F(VideoPlayerTest, ServerStreamsByTheirNamesAndTheServersFailures)
{
  ASSERT_TRUE(MakeMedia(MediaKind::Mp4WithAac, folder->path() + "/clip.mp4", 2));
  NginxServer server(folder->path(), folder->path());
  ASSERT_TRUE(server.start()) << server.error().toStdString();
  const QString vod = server.rtmpBase() + "/vod/";
  for (const QString name : {"clip.mp4", "clip.flv", "clip"}) {
    MovieHost host;
    ASSERT_TRUE(host.load(""));
    host.callMovie("playVideo", {"rtmp", vod + name});
    EXPECT_TRUE(host.statusCodes().isEmpty()) << "the server answers later";
    EXPECT_TRUE(host.waitForStatus("NetStream.Buffer.Full")) << name.toStdString();
    EXPECT_EQ(host.statusCodes().first(), "NetConnection.Connect.Success");
    EXPECT_TRUE(host.movie().isVideoPlay);
  }
  MovieHost missing;
  ASSERT_TRUE(missing.load(""));
  missing.callMovie("playVideo", {"rtmp", vod + "not-there.flv"});
  EXPECT_TRUE(missing.waitForStatus("NetStream.Play.StreamNotFound"));
  EXPECT_FALSE(missing.movie().isVideoPlay);

  MovieHost down;
  ASSERT_TRUE(down.load(""));
  down.callMovie("playVideo", {"rtmp", QString("rtmp://127.0.0.1:%1/vod/clip.flv").arg(NginxServer::UnusedPort())});
  EXPECT_TRUE(down.waitForStatus("NetConnection.Connect.Failed"));
  EXPECT_EQ(down.movie().stream, nullptr);
}

TEST_F(VideoPlayerTest, AnAddressThatIsNoMediaServerIsASecurityError)
{
  MovieHost host;
  ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + clip()));
  host.callMovie("playVideo", {"rtmp", "http://127.0.0.1/app/inst/clip.flv"});
  EXPECT_EQ(host.names().last(), "onSecuretyError");
  EXPECT_FALSE(host.movie().isVideoPlay);
  EXPECT_TRUE(host.movie().playBtn->visible());
}

TEST_F(VideoPlayerTest, OtherTypesOpenNothing)
{
  MovieHost host;
  ASSERT_TRUE(host.load("type_video=flv&auto_play=true&url=" + clip()));
  auto stream = host.movie().stream;
  host.callMovie("playVideo", {"mp4", clip()});
  EXPECT_EQ(host.movie().stream, stream);
  EXPECT_EQ(host.movie().typeVideo, "mp4");
}

}  // namespace
