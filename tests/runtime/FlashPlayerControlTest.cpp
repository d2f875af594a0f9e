#include "runtime/FlashPlayerControl.h"
#include "runtime/Player.h"
#include "runtime/display/Sprite.h"
#include "runtime/events/FullScreenEvent.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/events/TimerEvent.h"
#include "runtime/external/ExternalApiXml.h"
#include "runtime/swf/SwfWriter.h"
#include "runtime/utils/Timer.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace flash;
using flash::events::Event;

namespace {

// A movie made for these tests: it greets its host with its start parameters, answers "echo" (telling
// the host first), counts timer ticks, goes full screen when its square is clicked, and reads a relative
// resource on request.
class EchoMovie : public display::Sprite {
 public:
  explicit EchoMovie(Player& player) : player_(player), timer_(player.clock(), 100)
  {
    const QVariant answer = player.externalInterface().call(
        "onStart", {player.parameters().value("greeting"), player.stage().stageWidth()});
    greetingAnswer = answer;
    player.externalInterface().addCallback("echo", [this](const QVariantList& args) {
      player_.externalInterface().call("heard", args);
      return QVariant(args);
    });
    player.externalInterface().addCallback("readResource", [this](const QVariantList& args) {
      auto stream = player_.openExternalResource(args.value(0).toString());
      return stream ? QVariant(QString::fromUtf8(stream->readAll())) : QVariant::fromValue(nullptr);
    });
    timer_.addEventListener(events::TimerEvent::TIMER, [this](Event&) { ++ticks; });
    timer_.start();
    graphics().beginFill(0xFF0000);
    graphics().drawRect(0, 0, 50, 50);
    setButtonMode(true);
    addEventListener(events::MouseEvent::CLICK, [this](Event&) {
      player_.stage().setDisplayState(display::StageDisplayState::FULL_SCREEN);
    });
    player.stage().addEventListener(events::FullScreenEvent::FULL_SCREEN, [this](Event& event) {
      stageEvents << QStringLiteral("fullScreen:%1").arg(static_cast<events::FullScreenEvent&>(event).fullScreen());
    });
    player.stage().addEventListener(Event::RESIZE, [this](Event&) { stageEvents << "resize"; });
  }

  QVariant greetingAnswer;
  int ticks = 0;
  QStringList stageEvents;

 private:
  Player& player_;
  utils::Timer timer_;
};

QByteArray MovieNaming(const QString& rootClass)
{
  swf::MovieFile movie;
  movie.frameRect = QRectF(0, 0, 408, 380);
  movie.fileAttributes = 0x09;
  movie.backgroundColor = 0x00FF00;
  movie.symbolClasses[0] = rootClass;
  return swf::writeMovie(movie);
}

class RuntimeFlashPlayerControl : public ::testing::Test {
 protected:
  RuntimeFlashPlayerControl()
  {
    control.setClockMode(utils::Clock::Mode::Manual);
    control.resize(408, 380);
    control.classes().registerClass("tests.EchoMovie", [](Player& player) { return std::make_shared<EchoMovie>(player); });
    QObject::connect(&control, &TFlashPlayerControl::OnFlashCall, [this](const QString& request) {
      calls << request;
      if (request.contains("onStart")) {
        control.SetReturnValue("<string>welcome</string>");
      }
    });
  }

  bool Load(const QByteArray& file)
  {
    auto stream = std::make_unique<QBuffer>();
    stream->setData(file);
    stream->open(QIODevice::ReadOnly);
    return control.LoadMovieFromStream(stream.get());  // freed right after
  }
  EchoMovie& movie() { return *dynamic_cast<EchoMovie*>(control.movie()->root()); }
  void Move(QPointF to)
  {
    QMouseEvent move(QEvent::MouseMove, to, control.mapToGlobal(to), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
  }
  void Click(QPointF at)
  {
    QMouseEvent press(QEvent::MouseButtonPress, at, control.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, control.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &release);
  }

  TFlashPlayerControl control;
  QStringList calls;
};

}  // namespace

TEST_F(RuntimeFlashPlayerControl, ATestMovieCallsTheHostAndIsCalledByIt)
{
  control.setFlashVars("greeting=hello%20there&x=1");
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie"))) << control.MovieError().toStdString();
  ASSERT_EQ(calls.size(), 1);
  EXPECT_EQ(calls[0], "<invoke name=\"onStart\" returntype=\"xml\"><arguments><string>hello there</string>"
                      "<number>408</number></arguments></invoke>");
  EXPECT_EQ(movie().greetingAnswer, QVariant("welcome"));

  const QString answer = control.CallFunction(external::xml::encodeInvoke("echo", {QStringLiteral("a&b"), 2.5}));
  EXPECT_EQ(answer, "<array><property id=\"0\"><string>a&amp;b</string></property>"
                    "<property id=\"1\"><number>2.5</number></property></array>");
  ASSERT_EQ(calls.size(), 2);
  EXPECT_TRUE(calls[1].startsWith("<invoke name=\"heard\""));
  EXPECT_EQ(control.CallFunction(external::xml::encodeInvoke("nothing", {})), "");
  EXPECT_EQ(control.CallFunction("not xml"), "");
}

TEST_F(RuntimeFlashPlayerControl, ANewMovieReplacesTheOldOneWhoseTimersStop)
{
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  Player* first = control.movie();
  auto firstClock = first->clock();
  firstClock->advance(250);
  EchoMovie& old = movie();
  EXPECT_EQ(old.ticks, 2);

  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  EXPECT_NE(control.movie(), first);
  EXPECT_TRUE(firstClock->isClosed());
  firstClock->advance(1000);
  EXPECT_EQ(old.ticks, 2);  // the old movie lives until the event loop frees it, but no longer ticks
  control.movie()->clock()->advance(100);
  EXPECT_EQ(movie().ticks, 1);
}

TEST_F(RuntimeFlashPlayerControl, UnreadableMoviesAreRefusedAndTheRunningOneStays)
{
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  Player* running = control.movie();
  EXPECT_FALSE(Load("GIF89a not a movie"));
  EXPECT_EQ(control.MovieError(), "not a movie file (no SWF signature)");
  EXPECT_FALSE(Load(MovieNaming("tests.Missing")));
  EXPECT_EQ(control.MovieError(), "the movie's root class \"tests.Missing\" is not known to this runtime");
  EXPECT_EQ(control.movie(), running);
  EXPECT_FALSE(control.LoadMovieFromStream(nullptr));
}

TEST_F(RuntimeFlashPlayerControl, FullScreenOnlyWhenAllowedAndEscapeLeavesIt)
{
  QWidget window;
  control.setParent(&window);
  control.setGeometry(0, 0, 408, 380);
  window.resize(408, 380);
  window.show();
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  display::Stage& stage = control.movie()->stage();

  Click(QPointF(10, 10));
  EXPECT_EQ(stage.displayState(), "normal");
  EXPECT_TRUE(movie().stageEvents.isEmpty());

  control.setAllowFullscreen(true);
  Click(QPointF(10, 10));
  EXPECT_EQ(stage.displayState(), "fullScreen");
  EXPECT_TRUE(control.isWindow());
  EXPECT_EQ(movie().stageEvents, (QStringList{"fullScreen:1", "resize"}));

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&control, &escape);
  EXPECT_EQ(stage.displayState(), "normal");
  EXPECT_EQ(control.parentWidget(), &window);
  EXPECT_EQ(control.geometry(), QRect(0, 0, 408, 380));
  EXPECT_EQ(movie().stageEvents, (QStringList{"fullScreen:1", "resize", "fullScreen:0", "resize"}));
  control.setParent(nullptr);
}

TEST_F(RuntimeFlashPlayerControl, ANewMovieStartsInTheNormalDisplayState)
{
  QWidget window;
  control.setParent(&window);
  control.setGeometry(0, 0, 408, 380);
  window.show();
  control.setAllowFullscreen(true);
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  Click(QPointF(10, 10));
  ASSERT_TRUE(control.isWindow());

  EXPECT_FALSE(Load(MovieNaming("tests.Missing")));  // refused: the running movie hears it left full screen
  EXPECT_FALSE(control.isWindow());
  EXPECT_EQ(movie().stageEvents, (QStringList{"fullScreen:1", "resize", "fullScreen:0", "resize"}));

  Click(QPointF(10, 10));
  ASSERT_TRUE(control.isWindow());
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  EXPECT_FALSE(control.isWindow());
  EXPECT_EQ(control.parentWidget(), &window);
  EXPECT_EQ(control.movie()->stage().displayState(), "normal");
  EXPECT_TRUE(movie().stageEvents.isEmpty());
  control.setParent(nullptr);
}

TEST_F(RuntimeFlashPlayerControl, RelativeResourcesComeFromTheHostAndAreFreedByTheControl)
{
  QStringList asked;
  QList<QIODevice*> given;
  QList<QIODevice*> unloaded;
  QObject::connect(&control, &TFlashPlayerControl::OnLoadExternalResourceAsync,
                   [&](const QString& path, QIODevice** stream) {
                     asked << path;
                     if (path == "FlashVideo.flv") {
                       auto* buffer = new QBuffer;
                       buffer->setData("FLV data");
                       *stream = buffer;
                       given << buffer;
                     }
                   });
  QObject::connect(&control, &TFlashPlayerControl::OnUnloadExternalResourceAsync,
                   [&](QIODevice* stream) { unloaded << stream; });
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));

  EXPECT_EQ(control.CallFunction(external::xml::encodeInvoke("readResource", {QStringLiteral("FlashVideo.flv")})),
            "<string>FLV data</string>");
  EXPECT_EQ(control.CallFunction(external::xml::encodeInvoke("readResource", {QStringLiteral("flashvideo.flv")})),
            "<null/>");
  EXPECT_EQ(control.CallFunction(external::xml::encodeInvoke("readResource", {QStringLiteral("/tmp/FlashVideo.flv")})),
            "<null/>");
  EXPECT_EQ(control.CallFunction(external::xml::encodeInvoke("readResource", {QStringLiteral("http://host/a.flv")})),
            "<null/>");
  EXPECT_EQ(asked, (QStringList{"FlashVideo.flv", "flashvideo.flv"}));  // absolute ones are not the host's
  EXPECT_EQ(unloaded, given);
}

TEST_F(RuntimeFlashPlayerControl, PaintsTheBackgroundColourAndTheMovie)
{
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  QImage picture = control.grab().toImage();
  EXPECT_EQ(runtime_test::Hex(picture.pixel(25, 25)), "ff0000");
  EXPECT_EQ(runtime_test::Hex(picture.pixel(200, 200)), "00ff00");  // the movie's own background
  control.setBGColor("#000000");
  picture = control.grab().toImage();
  EXPECT_EQ(runtime_test::Hex(picture.pixel(200, 200)), "000000");
  EXPECT_EQ(control.BGColor(), "#000000");
}

TEST_F(RuntimeFlashPlayerControl, TheHandCursorShowsOverButtonModeSprites)
{
  ASSERT_TRUE(Load(MovieNaming("tests.EchoMovie")));
  Move(QPointF(25, 25));
  EXPECT_EQ(control.cursor().shape(), Qt::PointingHandCursor);
  Move(QPointF(200, 200));
  EXPECT_EQ(control.cursor().shape(), Qt::ArrowCursor);
}
