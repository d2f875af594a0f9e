// The real kavoflvplayer on a virtual X screen, driven from outside as a user would drive it: the Open
// button, Qt's own file dialog, Replay. Pictures of the screen are read with ImageMagick's import.
#include "tests/support/Media.h"
#include "tests/support/QtPrinters.h"

#include <QDir>

#include <functional>
#include <QEventLoop>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kPlayer = QStringLiteral(KAVO_BUILD_PROGRAM_ROOT "/Kavo FLV Player/kavoflvplayer");

class VirtualScreen {
 public:
  VirtualScreen()
  {
    // Xvfb picks a free display itself and tells its number on the given descriptor.
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (server_.waitForReadyRead(15000)) {
      display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
    }
  }
  ~VirtualScreen()
  {
    server_.terminate();
    server_.waitForFinished(5000);
  }
  QString display() const { return display_; }

 private:
  QProcess server_;
  QString display_;
};

class PlayerEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_FALSE(screen.display().isEmpty()) << "Xvfb did not start";
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", screen.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
    environment.remove("KAVO_PROGRAM_ROOT");
  }
  void TearDown() override
  {
    player.kill();
    player.waitForFinished(5000);
  }

  // Runs xdotool; its --sync searches wait on the X server's events, not on a clock.
  QString XDo(const QStringList& arguments, int timeoutMs = 15000)
  {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(timeoutMs)) {
      tool.kill();
      tool.waitForFinished();
      return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
  }

  QString WaitForWindow(const QString& namePattern)
  {
    return XDo({"search", "--sync", "--onlyvisible", "--name", namePattern}).section('\n', 0, 0);
  }

  QSize WindowSize(const QString& window)
  {
    const QStringList parts = XDo({"getwindowgeometry", "--shell", window}).split('\n');
    QSize size;
    for (const QString& part : parts) {
      if (part.startsWith("WIDTH=")) {
        size.setWidth(part.mid(6).toInt());
      } else if (part.startsWith("HEIGHT=")) {
        size.setHeight(part.mid(7).toInt());
      }
    }
    return size;
  }

  QImage Screenshot(const QString& window)
  {
    QProcess import;
    import.setProcessEnvironment(environment);
    import.start("import", {"-window", window, "png:-"});
    import.waitForFinished(15000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
  }

  // Share of the picture area's sample points that are neither black nor grey: a test picture playing.
  static double ColourfulShare(const QImage& shot, const QRect& area)
  {
    int colourful = 0;
    int samples = 0;
    for (int y = area.top(); y < area.bottom(); y += 8) {
      for (int x = area.left(); x < area.right(); x += 8) {
        const QColor c = shot.pixelColor(x, y);
        ++samples;
        if (c.saturation() > 80 && c.value() > 60) {
          ++colourful;
        }
      }
    }
    return samples == 0 ? 0 : static_cast<double>(colourful) / samples;
  }

  // Looks at the other process's window every tenth of a second until the condition holds (at most
  // 15 s): nothing on the X server announces a drawn picture or a finished probe.
  static bool LookUntil(const std::function<bool()>& condition)
  {
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(15000);
    while (guard.isActive()) {
      if (condition()) {
        return true;
      }
      QTimer::singleShot(100, &loop, &QEventLoop::quit);
      loop.exec();
    }
    return condition();
  }

  // Until the picture area shows the playing video.
  bool WaitForPicture(const QString& window, const QRect& area, QImage* last)
  {
    return LookUntil([&] {
      *last = Screenshot(window);
      return ColourfulShare(*last, area) > 0.5;
    });
  }

  VirtualScreen screen;
  QTemporaryDir home;
  QProcessEnvironment environment;
  QProcess player;
};

TEST_F(PlayerEndToEndTest, OpensAVideoThroughItsDialogFitsTheWindowAndReplays)
{
  const QString video = home.path() + "/wide clip.mp4";
  ASSERT_TRUE(MakeMedia(MediaKind::Mp4WithAac, video, 20));

  player.setProcessEnvironment(environment);
  player.start(kPlayer, {});
  const QString window = WaitForWindow("^Kavo FLV Player$");
  ASSERT_FALSE(window.isEmpty());
  EXPECT_EQ(WindowSize(window), QSize(320, 289));

  XDo({"mousemove", "--window", window, "24", "255", "click", "1"});
  const QString dialog = WaitForWindow("^Open$");
  ASSERT_FALSE(dialog.isEmpty());
  XDo({"type", "--window", dialog, "--delay", "5", video});
  XDo({"key", "--window", dialog, "Return"});
  ASSERT_EQ(WaitForWindow("^wide clip$"), window);

  // The window's client area takes the frame size plus the movie's control bar and the button rows:
  // an outer size of 640 + 16 by 360 + 110 on the frame the layout was made for.
  // The fit follows FFmpeg's probe, which runs after the movie has started.
  EXPECT_TRUE(LookUntil([&] { return WindowSize(window) == QSize(640, 360 + 74); }));
  ASSERT_EQ(WindowSize(window), QSize(640, 360 + 74));
  QImage shot;
  const QRect pictureArea(40, 20, 560, 320);
  ASSERT_TRUE(WaitForPicture(window, pictureArea, &shot));
  // The movie's control bar lies below the picture, above the button row.
  const QColor bar = shot.pixelColor(200, 360 + 25 - 10);
  EXPECT_GT(bar.value(), 150) << "control bar";
  EXPECT_LT(bar.saturation(), 40) << "control bar";
  shot.save(home.path() + "/playing.png");

  XDo({"mousemove", "--window", window, "80", QString::number(434 - 49 + 15), "click", "1"});
  ASSERT_TRUE(WaitForPicture(window, pictureArea, &shot));
  EXPECT_EQ(WindowSize(window), QSize(640, 434));
}

}  // namespace
