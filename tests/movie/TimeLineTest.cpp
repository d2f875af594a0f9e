#include "movie/classes/TimeLine.h"

#include "tests/movie/MovieTestSupport.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using classes::TimeLine;
using flash::events::MouseEvent;
using movie_test::EventLog;

constexpr double kLeft = 50;  // where the control sits on the stage
constexpr double kTop = 100;

class TimeLineTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    timeline->setX(kLeft);
    timeline->setY(kTop);
    player->stage().addChild(timeline);
    log.listen(*timeline, {TimeLine::ON_TIMELINE_CHANGE, TimeLine::ON_TIMELINE_LOAD});
    // The owner forwards every release on the stage.
    player->stage().addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP,
                                                 [this](MouseEvent& event) { timeline->stageMouseUp(event); });
  }
  // A release over the track at x of the track (sent to the track container as the pointer would).
  void ReleaseOnTrack(double x)
  {
    const QPointF stagePoint(kLeft + x, kTop + 3);
    MouseEvent release(MouseEvent::MOUSE_UP, true, stagePoint, QPointF(x, 3), false);
    timeline->mc->dispatchEvent(release);
  }
  flash::display::MouseInput& mouse() { return player->stage().mouseInput(); }
  QPointF OnStage(double x, double y = 3) const { return {kLeft + x, kTop + y}; }
  double Fill() const { return timeline->timeline->width(); }
  double Handle() const { return timeline->mc_drag->x(); }

  std::unique_ptr<flash::Player> player = movie_test::MakePlayer();
  std::shared_ptr<TimeLine> timeline = std::make_shared<TimeLine>(*player);
  EventLog log;
};

TEST_F(TimeLineTest, TheBuiltInBuildLaysOutTrackFillAndHandle)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  EXPECT_EQ(timeline->numChildren(), 3);
  EXPECT_EQ(timeline->getChildAt(0), timeline->mc);
  EXPECT_EQ(timeline->getChildAt(1), timeline->timeline);
  EXPECT_EQ(timeline->getChildAt(2), timeline->mc_drag);
  EXPECT_EQ(timeline->timeline, timeline->bm_f);
  EXPECT_DOUBLE_EQ(timeline->bm_l->width(), 10);
  EXPECT_DOUBLE_EQ(timeline->bm_c->x(), 10);
  EXPECT_DOUBLE_EQ(timeline->bm_c->width(), 280);
  EXPECT_DOUBLE_EQ(timeline->bm_r->x(), 290);
  EXPECT_DOUBLE_EQ(timeline->bm_c->height(), 7);
  EXPECT_DOUBLE_EQ(Fill(), 0);
  EXPECT_DOUBLE_EQ(timeline->mc_drag->y(), -1);
  EXPECT_DOUBLE_EQ(timeline->bm_d->y(), 0.5);
  EXPECT_DOUBLE_EQ(timeline->bm_d->height(), 9);
  EXPECT_DOUBLE_EQ(timeline->mc_drag->width(), 4);
  EXPECT_TRUE(timeline->mc_drag->showsHandCursor());
  EXPECT_TRUE(timeline->timer->running());
  EXPECT_DOUBLE_EQ(timeline->timer->delay(), 50);
  EXPECT_TRUE(log.seen.isEmpty()) << "the built-in build sends no load event";

  timeline->setWidth(200);
  EXPECT_DOUBLE_EQ(timeline->bm_c->width(), 180);
  EXPECT_DOUBLE_EQ(timeline->bm_r->x(), 190);
}

TEST_F(TimeLineTest, BeforeTheBuildOnlyValuesAreStored)
{
  timeline->setWidth(250);
  timeline->setDuration(10);
  timeline->setPos(5);
  EXPECT_EQ(timeline->getPosition(), 0);
  EXPECT_EQ(timeline->numChildren(), 0);
  timeline->defaultInit(movie_test::SeekBarPieces());
  EXPECT_DOUBLE_EQ(timeline->bm_r->x(), 240);
}

struct PosCase {
  double duration;
  double t;
  double pixels;
};
void PrintTo(const PosCase& item, std::ostream* out)
{
  *out << "t " << item.t << " of " << item.duration;
}

class TimeToPixelsTest : public TimeLineTest, public ::testing::WithParamInterface<PosCase> {};

TEST_P(TimeToPixelsTest, ShowsTimeAsFillAndHandle)
{
  const PosCase& item = GetParam();
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(item.duration);
  timeline->setPos(item.t);
  EXPECT_DOUBLE_EQ(Fill(), item.pixels);
  EXPECT_DOUBLE_EQ(Handle(), item.pixels);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), item.t);
}

// W = 300, built-in handle 4: S = 296.
INSTANTIATE_TEST_SUITE_P(Table, TimeToPixelsTest,
                         ::testing::Values(PosCase{100, 0, 0},        // ceil(0) − 1 = −1, clamped
                                           PosCase{100, 100, 295},    // the end: S − 1
                                           PosCase{100, 50, 147},     // ceil(148) − 1
                                           PosCase{100, 0.1, 0},      // ceil(0.296) − 1
                                           PosCase{6.268, 3.5, 165},  // ceil(165.28…) − 1
                                           PosCase{3, 10, 986}));     // beyond the duration, no upper clamp

TEST_F(TimeLineTest, WithoutADurationNothingMovesAndThePositionStays)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setPos(5);
  ReleaseOnTrack(100);
  EXPECT_EQ(timeline->getPosition(), 0);
  EXPECT_DOUBLE_EQ(Fill(), 0);
  EXPECT_TRUE(log.seen.isEmpty());
}

struct ClickCase {
  double x;
  bool seeks;
  double position;
};
void PrintTo(const ClickCase& item, std::ostream* out)
{
  *out << "x " << item.x;
}

class ClickToSeekTest : public TimeLineTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickToSeekTest, AClickOnTheTrackSeeksLeftOfTheSpanEnd)
{
  const ClickCase& item = GetParam();
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(100);
  ReleaseOnTrack(item.x);
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), item.seeks ? 1 : 0);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), item.position);
  if (item.seeks) {
    EXPECT_DOUBLE_EQ(Fill(), item.x);
    EXPECT_DOUBLE_EQ(Handle(), item.x);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ClickToSeekTest,
                         ::testing::Values(ClickCase{0, true, -1},     // ceil(0) − 1
                                           ClickCase{148, true, 49},   // ceil(50) − 1
                                           ClickCase{295, true, 99},   // ceil(99.66) − 1
                                           ClickCase{296, false, 0},   // x ≥ S
                                           ClickCase{299, false, 0}));

TEST_F(TimeLineTest, TheFillLiesAboveTheTrackSoAClickOnItDoesNotSeek)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(100);
  timeline->setPos(50);
  EXPECT_EQ(mouse().targetAt(OnStage(100)), timeline.get());
  EXPECT_EQ(mouse().targetAt(OnStage(200)), timeline->mc.get());
  mouse().press(OnStage(100));
  mouse().release(OnStage(100));
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), 0);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), 50);

  mouse().press(OnStage(200));
  mouse().release(OnStage(200));
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), 1);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), 67);  // ceil(200 / 296 × 100) − 1
}

TEST_F(TimeLineTest, DraggingTheHandleSeeksOnReleaseAndOwnsThePositionMeanwhile)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(100);
  timeline->setPos(10);
  const double start = Handle();  // 29
  mouse().move(OnStage(start + 2));
  mouse().press(OnStage(start + 2));
  EXPECT_TRUE(timeline->mouse_down);

  mouse().move(OnStage(150));
  EXPECT_DOUBLE_EQ(Handle(), 148);  // the grab point stays 2 pixels into the handle
  EXPECT_DOUBLE_EQ(Fill(), 150);    // the fill follows the pointer
  timeline->setPos(90);
  EXPECT_DOUBLE_EQ(Handle(), 148) << "setPos waits while the user drags";
  player->clock()->advance(50);
  EXPECT_DOUBLE_EQ(Fill(), 148) << "the timer snaps the fill to the handle";

  mouse().move(OnStage(400));
  EXPECT_DOUBLE_EQ(Handle(), 296) << "the handle stays within the seek span";
  mouse().release(OnStage(298));  // over the handle
  EXPECT_FALSE(timeline->mouse_down);
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), 1) << "the forwarded release only stops the drag again";
  EXPECT_DOUBLE_EQ(timeline->getPosition(), 100);  // ceil(298 / 296 × 100) − 1, not above the duration

  mouse().move(OnStage(20));
  EXPECT_DOUBLE_EQ(Handle(), 296) << "the drag is over";
  timeline->setPos(50);
  EXPECT_DOUBLE_EQ(Handle(), 147);
}

struct ReleaseCase {
  double x;
  double position;
  double fill;
};
void PrintTo(const ReleaseCase& item, std::ostream* out)
{
  *out << "x " << item.x;
}

class DragReleaseTest : public TimeLineTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(DragReleaseTest, AReleaseSetsThePositionFromThePointer)
{
  const ReleaseCase& item = GetParam();
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(100);
  timeline->setPos(50);
  mouse().move(OnStage(148));
  mouse().press(OnStage(148));
  MouseEvent release(MouseEvent::MOUSE_UP, true, OnStage(item.x), QPointF(), false);
  timeline->stageMouseUp(release);
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), 1);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), item.position);
  EXPECT_DOUBLE_EQ(Fill(), item.fill);
}

INSTANTIATE_TEST_SUITE_P(Table, DragReleaseTest,
                         ::testing::Values(ReleaseCase{400, 99, 400},  // above the duration: cut to 99
                                           ReleaseCase{298, 100, 298}, // exactly the duration: kept
                                           ReleaseCase{0, -1, 0},      // ceil(0) − 1
                                           ReleaseCase{-30, 0, 0}));   // left of the track: the start

TEST_F(TimeLineTest, AReleaseWithoutADurationEndsTheDragSilently)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  mouse().move(OnStage(2));
  mouse().press(OnStage(2));
  EXPECT_TRUE(timeline->mouse_down);
  mouse().release(OnStage(80));
  EXPECT_FALSE(timeline->mouse_down);
  EXPECT_TRUE(log.seen.isEmpty());
  timeline->setDuration(100);
  timeline->setPos(50);
  EXPECT_DOUBLE_EQ(Handle(), 147) << "later positions show again";
}

TEST_F(TimeLineTest, SetWidthRecomputesThePositionFromTheFill)
{
  timeline->defaultInit(movie_test::SeekBarPieces());
  timeline->setDuration(100);
  timeline->setPos(50);  // fill 147
  timeline->setWidth(200);
  EXPECT_DOUBLE_EQ(Fill(), 147);
  EXPECT_DOUBLE_EQ(Handle(), 147);
  EXPECT_DOUBLE_EQ(timeline->getPosition(), 74);  // ceil(147 / 196 × 100) − 1
  timeline->setPos(50);
  EXPECT_DOUBLE_EQ(Handle(), 97);
}

class SkinnedTimeLineTest : public TimeLineTest {
 protected:
  QVariantMap Skin(const QString& missing = {})
  {
    QVariantMap skin;
    for (const QString part : {"drag", "tl_l", "tl_c", "tl_r", "tl_f"}) {
      const QString path = folder.path() + "/" + part + ".png";
      if (part != missing) {
        EXPECT_TRUE(movie_test::WriteImage(path, 3, 12, part == "tl_f" ? qRgb(0, 128, 0) : qRgb(60, 60, 60)));
      }
      skin.insert(part, path);
    }
    return skin;
  }
  QTemporaryDir folder;
};

TEST_F(SkinnedTimeLineTest, TheSkinnedHandleSpansSevenPixelsAtTheTop)
{
  timeline->loadControl(Skin());
  EXPECT_EQ(timeline->numChildren(), 0);
  ASSERT_TRUE(log.waitFor(TimeLine::ON_TIMELINE_LOAD));
  EXPECT_DOUBLE_EQ(timeline->mc_drag->width(), 7);
  EXPECT_DOUBLE_EQ(timeline->mc_drag->y(), 0);
  EXPECT_DOUBLE_EQ(timeline->bm_d->y(), -2);  // −12 / 2 + 4
  EXPECT_FALSE(timeline->mc_drag->showsHandCursor());
  EXPECT_TRUE(timeline->timer->running());
  timeline->setDuration(100);
  timeline->setPos(100);
  EXPECT_DOUBLE_EQ(Handle(), 292);  // S = 300 − 7
  ReleaseOnTrack(294);
  EXPECT_EQ(log.count(TimeLine::ON_TIMELINE_CHANGE), 0);
}

TEST_F(SkinnedTimeLineTest, AMissingImageLeavesTheControlUnbuiltAndUnreported)
{
  timeline->loadControl(Skin("tl_r"));
  EventLog queueLog;
  queueLog.listen(*timeline->loader, {classes::CLoader::LOAD_ALL_COMPLETED});
  ASSERT_TRUE(queueLog.waitFor(classes::CLoader::LOAD_ALL_COMPLETED));
  movie_test::RunQueuedEvents();
  EXPECT_TRUE(log.seen.isEmpty());
  EXPECT_EQ(timeline->numChildren(), 0);
  EXPECT_FALSE(timeline->timer);
}

}  // namespace
