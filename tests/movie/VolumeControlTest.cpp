#include "movie/classes/LoadedButton.h"
#include "movie/classes/VolumeControl.h"
#include "runtime/display/SimpleButton.h"

#include "tests/movie/MovieTestSupport.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using classes::VolumeControl;
using movie_test::EventLog;

constexpr double kLeft = 100;
constexpr double kTop = 200;

// A speaker button of 12 × 12 in one colour.
std::shared_ptr<flash::display::SimpleButton> Speaker(quint32 colour)
{
  auto face = std::make_shared<flash::display::Shape>();
  face->graphics().beginFill(colour);
  face->graphics().drawRect(0, 0, 12, 12);
  face->graphics().endFill();
  return std::make_shared<flash::display::SimpleButton>(face, face, face, face);
}

class VolumeControlTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    volume->setX(kLeft);
    volume->setY(kTop);
    player->stage().addChild(volume);
    log.listen(*volume, {VolumeControl::ON_VOLUME_CHANGE, VolumeControl::ON_VOLUME_MUTE, VolumeControl::ON_VOLUME_LOAD});
    player->stage().addTypedListener<flash::events::MouseEvent>(
        flash::events::MouseEvent::MOUSE_UP, [this](flash::events::MouseEvent& event) { volume->stageMouseUp(event); });
  }
  void BuildDefault() { volume->defaultInit(Speaker(0x000000), Speaker(0x999999)); }
  flash::display::MouseInput& mouse() { return player->stage().mouseInput(); }
  // The middle of bar i's background strip right of its looks, on the stage.
  QPointF Bar(int i) const
  {
    const auto& bar = volume->sl[i];
    return {kLeft + bar.mc->x() + 4, kTop + bar.mc->y() + (2 * i + 2) / 2.0};
  }
  void Click(QPointF point)
  {
    mouse().move(point);
    mouse().press(point);
    mouse().release(point);
  }
  QString Lit() const
  {
    QString lit;
    for (const auto& bar : volume->sl) {
      EXPECT_NE(bar.bm->visible(), bar.bm1->visible());
      lit += bar.bm->visible() ? '1' : '0';
    }
    return lit;
  }

  std::unique_ptr<flash::Player> player = movie_test::MakePlayer();
  std::shared_ptr<VolumeControl> volume = std::make_shared<VolumeControl>(*player);
  EventLog log;
};

TEST_F(VolumeControlTest, TheBuiltInBuildPlacesSpeakersAndTwelveGrowingBars)
{
  EXPECT_EQ(volume->getVolume(), 99);
  BuildDefault();
  EXPECT_DOUBLE_EQ(volume->speacer->x(), -5);
  EXPECT_DOUBLE_EQ(volume->speacer->width(), 20);
  EXPECT_DOUBLE_EQ(volume->speacer_mute->height(), 20);
  EXPECT_FALSE(volume->speacer_mute->visible());
  ASSERT_EQ(volume->sl.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    const auto& bar = volume->sl[i];
    EXPECT_EQ(bar.mc->name(), QString::number(i));
    EXPECT_EQ(bar.sp->name(), QString::number(i));
    EXPECT_EQ(bar.bm->name(), QString::number(i));
    EXPECT_DOUBLE_EQ(bar.mc->x(), 17 + 5 * i);
    EXPECT_DOUBLE_EQ(bar.mc->y(), 10 - i);
    EXPECT_DOUBLE_EQ(bar.sp->width(), 5);
    EXPECT_DOUBLE_EQ(bar.bm->width(), 3);
    EXPECT_DOUBLE_EQ(bar.sp->height(), 2 * i + 2);
    EXPECT_DOUBLE_EQ(bar.mc->y() + bar.sp->height(), 12 + i);
    EXPECT_TRUE(bar.mc->showsHandCursor());
  }
  EXPECT_EQ(Lit(), "111111111111");
  EXPECT_TRUE(log.seen.isEmpty());
}

struct LevelCase {
  int bar;  // clicked
  double level;
  double reading;
  const char* lit;
};
void PrintTo(const LevelCase& item, std::ostream* out)
{
  *out << "bar " << item.bar;
}

class BarClickTest : public VolumeControlTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(BarClickTest, AClickSetsTheLevelInTwelfths)
{
  const LevelCase& item = GetParam();
  BuildDefault();
  volume->setVolume(item.bar == 11 ? 50 : 100);
  Click(Bar(item.bar));
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_CHANGE), 1) << "the strip and its bar run the click, once effective";
  EXPECT_DOUBLE_EQ(volume->curr_vol, item.level);
  EXPECT_EQ(volume->getVolume(), item.reading);
  EXPECT_EQ(Lit(), item.lit);
}

INSTANTIATE_TEST_SUITE_P(Table, BarClickTest,
                         ::testing::Values(LevelCase{0, 100.0 / 12, 8, "100000000000"},
                                           LevelCase{5, 50, 49, "111111000000"},
                                           LevelCase{11, 100, 99, "111111111111"}));

TEST_F(VolumeControlTest, SetVolumeTakesOnlyLevelsFromZeroToAHundred)
{
  BuildDefault();
  volume->setVolume(0);
  EXPECT_EQ(Lit(), "000000000000");
  EXPECT_EQ(volume->getVolume(), -1);
  for (const double bad : {-1.0, 101.0, std::nan("")}) {
    volume->setVolume(bad);
    EXPECT_DOUBLE_EQ(volume->curr_vol, 0);
  }
  volume->setVolume(30);  // ceil(3.6) − 1 = 3
  EXPECT_EQ(Lit(), "111100000000");
  EXPECT_EQ(volume->getVolume(), 29);
  EXPECT_TRUE(log.seen.isEmpty());

  Click(Bar(11));
  Click(Bar(11));
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_CHANGE), 1) << "the bar matching the level sends nothing";
}

TEST_F(VolumeControlTest, WhileMutedClicksAndSweepsDoNothingButSetVolumeStillRedraws)
{
  BuildDefault();
  volume->setMute(true);
  EXPECT_TRUE(volume->isMute());
  EXPECT_TRUE(volume->speacer_mute->visible());
  EXPECT_FALSE(volume->speacer->visible());
  EXPECT_EQ(Lit(), "000000000000");
  EXPECT_TRUE(log.seen.isEmpty()) << "setMute sends nothing";

  Click(Bar(3));
  mouse().press(Bar(0));
  mouse().move(Bar(6));
  mouse().release(Bar(6));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 100);
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_CHANGE), 0);

  volume->setVolume(50);
  EXPECT_EQ(Lit(), "111111000000");
  EXPECT_TRUE(volume->isMute());

  const auto muted = volume->speacer_mute;
  Click(QPointF(kLeft + 0, kTop + 10));  // the muted speaker
  EXPECT_FALSE(volume->isMute());
  EXPECT_EQ(log.seen, QStringList({VolumeControl::ON_VOLUME_MUTE}));
  EXPECT_TRUE(volume->speacer->visible());
  EXPECT_EQ(Lit(), "111111000000");
  Click(QPointF(kLeft + 0, kTop + 10));  // the speaker
  EXPECT_TRUE(volume->isMute());
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_MUTE), 2);
}

TEST_F(VolumeControlTest, ASweepWithTheButtonHeldSetsTheLevelAndTracesIt)
{
  BuildDefault();
  movie_test::TraceCapture traces;
  mouse().move(Bar(2));
  mouse().move(Bar(3));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 100) << "moving without a pressed button changes nothing";

  // Pressed on the speaker, then swept over the bars.
  mouse().move(QPointF(kLeft + 0, kTop + 10));
  mouse().press(QPointF(kLeft + 0, kTop + 10));
  EXPECT_TRUE(volume->mouse_down);
  mouse().move(Bar(4));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 100.0 * 5 / 12);
  mouse().move(Bar(1));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 100.0 * 2 / 12);
  EXPECT_EQ(Lit(), "110000000000");
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_CHANGE), 2);
  EXPECT_EQ(traces.lines.count("move!!!!!!!!"), 2);

  mouse().release(QPointF(kLeft + 300, kTop + 100));  // off the control: the stage's release clears the press
  EXPECT_FALSE(volume->mouse_down);
  EXPECT_FALSE(volume->isMute()) << "no click on the speaker";
  mouse().move(Bar(8));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 100.0 * 2 / 12);
}

struct ColourCase {
  const char* text;
  quint32 colour;
};
void PrintTo(const ColourCase& item, std::ostream* out)
{
  *out << '"' << item.text << '"';
}

class SkinnedVolumeTest : public VolumeControlTest, public ::testing::WithParamInterface<ColourCase> {
 protected:
  QVariantMap Skin(const QString& backcolor, bool missingScale = false)
  {
    const QString path = folder.path();
    EXPECT_TRUE(movie_test::WriteImage(path + "/mute.png", 14, 14, qRgb(0, 0, 200)));
    EXPECT_TRUE(movie_test::WriteImage(path + "/inactive_mute.png", 14, 14, qRgb(120, 120, 120)));
    EXPECT_TRUE(movie_test::WriteImage(path + "/scale.png", 3, 4, qRgb(0, 160, 0)));
    EXPECT_TRUE(movie_test::WriteImage(path + "/inactive_scale.png", 3, 4, qRgb(200, 200, 200)));
    return {{"mute", path + "/mute.png"},
            {"inactive_mute", path + "/inactive_mute.png"},
            {"scale", path + (missingScale ? "/none.png" : "/scale.png")},
            {"inactive_scale", path + "/inactive_scale.png"},
            {"backcolor", backcolor}};
  }
  QTemporaryDir folder;
};

TEST_P(SkinnedVolumeTest, SkinnedBarsEndOnOneLineWithTheirStripColour)
{
  const ColourCase& item = GetParam();
  volume->loadControl(Skin(item.text));
  EXPECT_EQ(volume->backColor, item.colour);
  EXPECT_TRUE(volume->sl.empty());
  ASSERT_TRUE(std::dynamic_pointer_cast<classes::LoadedButton>(volume->speacer));
  EXPECT_FALSE(volume->speacer_mute->visible());
  volume->setVolume(50);
  volume->setMute(true);
  EXPECT_TRUE(volume->isMute()) << "stored before the bars exist";
  volume->setMute(false);
  ASSERT_TRUE(log.waitFor(VolumeControl::ON_VOLUME_LOAD));
  ASSERT_EQ(volume->sl.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    const auto& bar = volume->sl[i];
    EXPECT_DOUBLE_EQ(bar.mc->x(), 17 + 5 * i);
    EXPECT_DOUBLE_EQ(bar.mc->y(), 10 - 2 * i);
    EXPECT_DOUBLE_EQ(bar.mc->y() + bar.bm->height(), 12);
    EXPECT_DOUBLE_EQ(bar.bm->width(), 3);
    EXPECT_FALSE(bar.sp);
    EXPECT_EQ(bar.mc->name(), QString::number(i));
  }
  EXPECT_EQ(Lit(), "111111111111") << "skinned bars start lit whatever the level";
  // The strip shows right of the looks, in the skin's colour.
  const QImage picture = runtime_test::Render(player->stage(), 408, 380);
  const QPoint bar11 = Bar(11).toPoint();
  EXPECT_EQ(runtime_test::Hex(picture.pixel(bar11)), runtime_test::Hex(item.colour));
  EXPECT_EQ(runtime_test::Hex(picture.pixel(bar11 - QPoint(3, 0))), "00a000");

  Click(Bar(2));
  EXPECT_DOUBLE_EQ(volume->curr_vol, 25);
  EXPECT_EQ(Lit(), "111000000000");
}

INSTANTIATE_TEST_SUITE_P(Colours, SkinnedVolumeTest,
                         ::testing::Values(ColourCase{"0x3366CC", 0x3366CC}, ColourCase{"3368652", 0x3366CC},
                                           ColourCase{"#3366CC", 0}, ColourCase{"", 0}));

TEST_F(SkinnedVolumeTest, AFailedBarImageLeavesTheRowUnbuiltAndUnreported)
{
  volume->loadControl(Skin("0xFFFFFF", true));
  EventLog queueLog;
  queueLog.listen(*volume->loader, {classes::CLoader::LOAD_ALL_COMPLETED});
  ASSERT_TRUE(queueLog.waitFor(classes::CLoader::LOAD_ALL_COMPLETED));
  movie_test::RunQueuedEvents();
  EXPECT_TRUE(volume->sl.empty());
  EXPECT_EQ(log.count(VolumeControl::ON_VOLUME_LOAD), 0);
  // The speaker still toggles.
  Click(QPointF(kLeft + 5, kTop + 5));
  EXPECT_TRUE(volume->isMute());
}

}  // namespace
