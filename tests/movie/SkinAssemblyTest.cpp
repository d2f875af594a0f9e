#include "movie/classes/TimeLine.h"
#include "movie/classes/VideoPlayer.h"
#include "movie/classes/VolumeControl.h"
#include "runtime/display/Stage.h"
#include "runtime/text/TextField.h"
#include "tests/movie/MovieHostFixture.h"
#include "tests/support/NginxServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kSampleSkin = QStringLiteral(KAVO_SOURCE_DIR "/resources/skins/sample");

// A copy of the sample skin that a test may break.
class SkinFolder {
 public:
  SkinFolder()
  {
    for (const QString& name : QDir(kSampleSkin).entryList(QDir::Files)) {
      QFile::copy(kSampleSkin + "/" + name, folder.path() + "/" + name);
    }
  }
  QString path(const QString& name = {}) const { return name.isEmpty() ? folder.path() : folder.path() + "/" + name; }
  void remove(const QString& name) { QFile::remove(path(name)); }
  void write(const QString& name, const QByteArray& content)
  {
    QFile file(path(name));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
  }
  QByteArray read(const QString& name) const
  {
    QFile file(path(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }

 private:
  QTemporaryDir folder;
};

// The movie started with a skin at `base` (a folder or an http address).
bool StartWithSkin(MovieHost& host, const QString& base, const QString& extra = {})
{
  host.control.setBase(base);
  return host.load("xml_path=" + base + "/skin.xml&pl_path=" + base + "/preloader.gif" + extra);
}

QList<QVariantList> ErrorReports(const MovieHost& host)
{
  QList<QVariantList> reports;
  for (const auto& call : host.calls) {
    if (call.name == "onErorPalyer") {
      reports << call.arguments;
    }
  }
  return reports;
}

bool WaitForStartup(MovieHost& host)
{
  return host.waitFor([&] { return host.names().contains("onPlayerInitComplete"); });
}

TEST(SkinAssembly, BuildsTheScreenFromALocalSkinAndFollowsTheStage)
{
  SkinFolder skin;
  MovieHost host;
  ASSERT_TRUE(StartWithSkin(host, skin.path()));
  classes::VideoPlayer& movie = host.movie();
  EXPECT_EQ(movie.typeSkin, "xml");
  ASSERT_TRUE(WaitForStartup(host));
  EXPECT_TRUE(movie.loadedState.isEmpty());
  EXPECT_TRUE(ErrorReports(host).isEmpty());
  const struct {
    const char* name;
    std::shared_ptr<flash::display::DisplayObject> part;
    double x;
    double y;
  } places[] = {
      {"playBtn", movie.playBtn, 187, 336},     {"pauseBtn", movie.pauseBtn, 187, 336},
      {"fullscreenBtn", movie.fullscreenBtn, 340, 364}, {"volume", movie.volume, 20, 360},
      {"timeline", movie.timeline, 70, 320},    {"timeCurr", movie.timeCurr, 1, 315},
      {"timeFull", movie.timeFull, 342, 315},   {"panel", movie.panel, 0, 310},
      {"backScreen", movie.backScreen, 2, 2},
  };
  for (const auto& p : places) {
    EXPECT_NEAR(p.part->x(), p.x, 1e-9) << p.name;
    EXPECT_NEAR(p.part->y(), p.y, 1e-9) << p.name;
  }
  EXPECT_NEAR(movie.panel->width(), 408, 1e-9);
  EXPECT_NEAR(movie.panel->height(), 70, 1e-9);
  EXPECT_NEAR(movie.backScreen->height(), 306, 1e-9);
  EXPECT_EQ(movie.timeCurr->text(), "00:00:00");
  EXPECT_EQ(movie.timeFull->text(), "00:00:00");
  EXPECT_EQ(movie.getChildIndex(movie.panel.get()), movie.getChildIndex(movie.backScreen.get()) + 1);
  // The same teal written as "0x2ed3c6" and as 3068870.
  EXPECT_EQ(movie.timeCurr->textColor(), 0x2ed3c6u);
  EXPECT_EQ(movie.timeFull->textColor(), movie.timeCurr->textColor());

  host.control.resize(600, 450);
  EXPECT_NEAR(movie.playBtn->x(), 283, 1e-9);
  EXPECT_NEAR(movie.playBtn->y(), 406, 1e-9);
  EXPECT_NEAR(movie.fullscreenBtn->x(), 500, 1e-9);
  EXPECT_NEAR(movie.timeline->y(), 390, 1e-9);
  EXPECT_NEAR(movie.timeFull->x(), 534, 1e-9);
  EXPECT_NEAR(movie.panel->y(), 380, 1e-9);
  EXPECT_NEAR(movie.panel->width(), 600, 1e-9);
  EXPECT_NEAR(movie.backScreen->height(), 376, 1e-9);
  EXPECT_NEAR(movie.volume->x(), 20, 1e-9);
}

TEST(SkinAssembly, LoadsOverHttpWithThePostTheSkinDocumentNeeds)
{
  SkinFolder skin;
  NginxServer server(skin.path(), skin.path());
  ASSERT_TRUE(server.start()) << server.error().toStdString();
  MovieHost host;
  ASSERT_TRUE(StartWithSkin(host, server.httpBase()));
  ASSERT_TRUE(WaitForStartup(host));
  EXPECT_TRUE(ErrorReports(host).isEmpty());
  const QStringList requests = server.requests(1);
  ASSERT_FALSE(requests.isEmpty());
  EXPECT_TRUE(requests.first().startsWith("POST /skin.xml")) << requests.first().toStdString();
}

TEST(SkinAssembly, EachBrokenPartHasItsReportAndItsOutcome)
{
  const struct {
    const char* name;
    std::function<void(SkinFolder&)> breakSkin;
    QVariantList report;
    bool built;
    bool completes;
  } cases[] = {
      {"document that does not parse", [](SkinFolder& s) { s.write("skin.xml", "<skin><playBtn over="); },
       {0, "XML read error"}, false, false},
      {"missing document", [](SkinFolder& s) { s.remove("skin.xml"); }, {1, "XML load error"}, false, false},
      {"missing preloader", [](SkinFolder& s) { s.remove("preloader.gif"); }, {3, "Preloader not load"}, true, true},
      {"missing panel", [](SkinFolder& s) { s.remove("panel.png"); }, {2, "Panel not load"}, true, false},
      {"missing button image", [](SkinFolder& s) { s.remove("pause_over.png"); }, {}, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SkinFolder skin;
    c.breakSkin(skin);
    MovieHost host;
    ASSERT_TRUE(StartWithSkin(host, skin.path(), "&type_video=flv&url=/nowhere.flv"));
    classes::VideoPlayer& movie = host.movie();
    if (!c.report.isEmpty()) {
      ASSERT_TRUE(host.waitFor([&] { return !ErrorReports(host).isEmpty(); }));
      EXPECT_EQ(ErrorReports(host).first(), c.report);
    }
    if (c.completes) {
      EXPECT_TRUE(WaitForStartup(host));
      continue;
    }
    if (c.built) {
      // Everything else has arrived: the missing part alone holds start-up back.
      ASSERT_TRUE(host.waitFor([&] { return movie.loadedState.size() == 1; }));
      EXPECT_TRUE(movie.playBtn != nullptr);
      host.callMovie("setFullScreen", {"full"});
      EXPECT_EQ(host.control.movie()->stage().displayState(), "normal");
      host.callMovie("playVideo", {"flv", "/nowhere.flv"});
      EXPECT_EQ(movie.connection, nullptr);
    } else {
      EXPECT_EQ(movie.playBtn, nullptr);
      EXPECT_TRUE(movie.loadedState.isEmpty());
    }
    EXPECT_FALSE(host.names().contains("onPlayerInitComplete"));
    EXPECT_EQ(ErrorReports(host).size(), c.report.isEmpty() ? 0 : 1);
  }
}

TEST(SkinAssembly, ButtonVisibilityFollowsTheSkinsFlags)
{
  SkinFolder skin;
  QByteArray document = skin.read("skin.xml");
  document.replace(R"(out="play_over.png" width="34" height="34" visible="true")",
                   R"(out="play_over.png" width="34" height="34" visible="false")");
  document.replace(R"(out="pause_over.png" width="34" height="34" visible="true")",
                   R"(out="pause_over.png" width="34" height="34")");
  skin.write("skin.xml", document);
  MovieHost host;
  ASSERT_TRUE(StartWithSkin(host, skin.path()));
  classes::VideoPlayer& movie = host.movie();
  // Assembled, with images still on their way: the flags alone decide.
  ASSERT_TRUE(host.waitFor([&] { return movie.playBtn != nullptr; }));
  ASSERT_FALSE(movie.loadedState.isEmpty());
  const bool playHiddenBeforeCompletion = !movie.playBtn->visible();
  const bool pauseShownBeforeCompletion = movie.pauseBtn->visible();
  ASSERT_TRUE(WaitForStartup(host));
  EXPECT_TRUE(playHiddenBeforeCompletion);
  EXPECT_TRUE(pauseShownBeforeCompletion);
  EXPECT_TRUE(movie.playBtn->visible());
  movie.playState(true);
  EXPECT_TRUE(movie.playBtn->visible());
  EXPECT_TRUE(movie.pauseBtn->visible());
  movie.playState(false);
  EXPECT_FALSE(movie.pauseBtn->visible());
}

}  // namespace
