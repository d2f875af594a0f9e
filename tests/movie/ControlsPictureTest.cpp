#include "movie/classes/TimeLine.h"
#include "movie/classes/VolumeControl.h"
#include "movie/library/SeekBarBitmaps.h"
#include "movie/library/SpeakerKey.h"
#include "runtime/display/SimpleButton.h"

#include "tests/movie/MovieTestSupport.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using classes::TimeLine;
using classes::VolumeControl;

// The rows of the picture: seek position in percent, volume level, muted.
struct Row {
  double position;
  double level;
  bool muted;
};
const Row kRows[] = {{0, 0, false}, {30, 25, false}, {70, 50, false}, {100, 100, false}, {50, 75, true}};
constexpr double kRowHeight = 30;
constexpr double kDuration = 100;

// The built-in look's pieces from the movie's library.
std::vector<std::shared_ptr<flash::display::Bitmap>> LibrarySeekBar()
{
  return {std::make_shared<flash::display::Bitmap>(std::make_shared<CSlDrag>()),
          std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
          std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
          std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
          std::make_shared<flash::display::Bitmap>(std::make_shared<CSlFill>())};
}

// A grey of the seek bar's track pieces.
bool IsTrackGrey(QRgb colour)
{
  return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour) && qRed(colour) >= 0x90 &&
         qRed(colour) <= 0xA8;
}

class ControlsPictureTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    const QString path = skinFolder.path();
    auto write = [&](const QString& name, int w, int h, const std::function<void(QPainter&)>& draw) {
      QImage image(w, h, QImage::Format_ARGB32);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      draw(painter);
      painter.end();
      ASSERT_TRUE(image.save(path + "/" + name));
    };
    auto track = [](QPainter& p) {
      QLinearGradient shade(0, 0, 0, 7);
      shade.setColorAt(0, QColor(0x2a4a8a));
      shade.setColorAt(1, QColor(0x10204a));
      p.fillRect(QRect(0, 0, 10, 7), shade);
    };
    write("drag.png", 8, 12, [](QPainter& p) { p.fillRect(QRect(0, 0, 8, 12), QColor(0xff8c00)); });
    write("tl_l.png", 10, 7, track);
    write("tl_c.png", 10, 7, track);
    write("tl_r.png", 10, 7, track);
    write("tl_f.png", 10, 7, [](QPainter& p) { p.fillRect(QRect(0, 0, 10, 7), QColor(0x40c040)); });
    write("scale.png", 3, 4, [](QPainter& p) { p.fillRect(QRect(0, 0, 3, 4), QColor(0x40c040)); });
    write("inactive_scale.png", 3, 4, [](QPainter& p) { p.fillRect(QRect(0, 0, 3, 4), QColor(0x505a70)); });
    write("mute.png", 14, 14, [](QPainter& p) {
      p.fillRect(QRect(0, 0, 14, 14), QColor(0x2a4a8a));
      p.fillRect(QRect(3, 5, 3, 4), Qt::white);
      p.setBrush(Qt::white);
      p.setPen(Qt::NoPen);
      p.drawPolygon(QPolygon({QPoint(6, 5), QPoint(11, 2), QPoint(11, 12), QPoint(6, 9)}));
    });
    write("inactive_mute.png", 14, 14, [](QPainter& p) { p.fillRect(QRect(0, 0, 14, 14), QColor(0x808080)); });
    skin = {{"drag", path + "/drag.png"},   {"tl_l", path + "/tl_l.png"},   {"tl_c", path + "/tl_c.png"},
            {"tl_r", path + "/tl_r.png"},   {"tl_f", path + "/tl_f.png"},   {"mute", path + "/mute.png"},
            {"inactive_mute", path + "/inactive_mute.png"},                 {"scale", path + "/scale.png"},
            {"inactive_scale", path + "/inactive_scale.png"},              {"backcolor", "0x1a1a1a"}};
  }

  // Builds one look's rows on the stage from `top`; returns once every skinned part is in.
  void BuildRows(bool skinned, double top)
  {
    movie_test::EventLog log;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
      auto timeline = std::make_shared<TimeLine>(*player);
      auto volume = std::make_shared<VolumeControl>(*player);
      timeline->setX(10);
      volume->setX(325);
      timeline->setY(top + 8 + kRowHeight * i);
      volume->setY(top + 2 + kRowHeight * i);
      player->stage().addChild(timeline);
      player->stage().addChild(volume);
      if (skinned) {
        log.listen(*timeline, {TimeLine::ON_TIMELINE_LOAD});
        log.listen(*volume, {VolumeControl::ON_VOLUME_LOAD});
        timeline->loadControl(skin);
        volume->loadControl(skin);
      } else {
        timeline->defaultInit(LibrarySeekBar());
        volume->defaultInit(std::make_shared<Speacer>(), std::make_shared<SpeacerMute>());
      }
      timelines.push_back(timeline);
      volumes.push_back(volume);
    }
    if (skinned) {
      ASSERT_TRUE(log.waitFor(TimeLine::ON_TIMELINE_LOAD, static_cast<int>(std::size(kRows))));
      ASSERT_TRUE(log.waitFor(VolumeControl::ON_VOLUME_LOAD, static_cast<int>(std::size(kRows))));
    }
  }

  void ShowRows(std::size_t first)
  {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
      timelines[first + i]->setDuration(kDuration);
      timelines[first + i]->setPos(kRows[i].position);
      volumes[first + i]->setVolume(kRows[i].level);
      volumes[first + i]->setMute(kRows[i].muted);
    }
  }

  QTemporaryDir skinFolder;
  QVariantMap skin;
  std::unique_ptr<flash::Player> player = movie_test::MakePlayer();
  std::vector<std::shared_ptr<TimeLine>> timelines;
  std::vector<std::shared_ptr<VolumeControl>> volumes;
};

TEST_F(ControlsPictureTest, BothControlsDrawTheirLevelsInBothLooks)
{
  const double skinTop = kRowHeight * std::size(kRows) + 10;
  BuildRows(false, 0);
  BuildRows(true, skinTop);
  ShowRows(0);
  ShowRows(std::size(kRows));

  const int height = static_cast<int>(skinTop * 2);
  QImage picture(408, height, QImage::Format_ARGB32);
  picture.fill(QColor(0xd8d8d8));
  {
    QPainter painter(&picture);
    player->stage().render(painter);
  }
  using runtime_test::Hex;
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const int builtInTrack = static_cast<int>(8 + kRowHeight * i + 3);
    const int skinTrack = static_cast<int>(skinTop + 8 + kRowHeight * i + 3);
    // Built-in: near-black fill up to the handle, grey track after it.
    if (kRows[i].position >= 30) {
      EXPECT_EQ(Hex(picture.pixel(10 + 20, builtInTrack)), "010101") << i;
      EXPECT_EQ(Hex(picture.pixel(10 + 20, skinTrack)), "40c040") << i;
    }
    if (kRows[i].position < 100) {
      EXPECT_TRUE(IsTrackGrey(picture.pixel(10 + 298, builtInTrack))) << i << " " << Hex(picture.pixel(10 + 298, builtInTrack)).toStdString();
    }
    // Last bar: lit black only at 100 unmuted; unlit silver otherwise.
    const int lastBar = 325 + 17 + 5 * 11 + 1;
    const QString expected = kRows[i].level == 100 && !kRows[i].muted ? "000000" : "c0c0c0";
    EXPECT_EQ(Hex(picture.pixel(lastBar, static_cast<int>(2 + kRowHeight * i + 10))), expected) << i;
  }

  const QString shots = qEnvironmentVariable("KAVO_CONTROLS_SHOTS");
  if (!shots.isEmpty()) {
    QDir().mkpath(shots);
    ASSERT_TRUE(picture.save(shots + "/controls.png"));
    ASSERT_TRUE(picture.scaled(picture.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(shots + "/controls-x3.png"));
  }
}

}  // namespace
