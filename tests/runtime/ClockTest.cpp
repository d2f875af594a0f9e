#include "runtime/Player.h"
#include "runtime/display/MovieClip.h"
#include "runtime/events/TimerEvent.h"
#include "runtime/utils/Timer.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace flash;
using flash::events::Event;
using flash::events::TimerEvent;
using flash::utils::Clock;
using flash::utils::Timer;

namespace {

std::shared_ptr<Clock> ManualClock()
{
  return std::make_shared<Clock>(Clock::Mode::Manual);
}

// Logs "<event type>@<clock time>".
void Record(Timer& timer, const Clock& clock, QStringList& log)
{
  for (const QString& type : {TimerEvent::TIMER, TimerEvent::TIMER_COMPLETE}) {
    timer.addEventListener(type, [&log, &clock](Event& event) { log << QStringLiteral("%1@%2").arg(event.type()).arg(clock.now()); });
  }
}

}  // namespace

TEST(RuntimeClock, TimerTicksOnTheHandClockAndCompletesAfterItsRepeatCount)
{
  auto clock = ManualClock();
  Timer timer(clock, 500, 3);
  QStringList log;
  Record(timer, *clock, log);
  timer.start();
  clock->advance(499);
  EXPECT_TRUE(log.isEmpty());
  clock->advance(2000);
  EXPECT_EQ(log, (QStringList{"timer@500", "timer@1000", "timer@1500", "timerComplete@1500"}));
  EXPECT_FALSE(timer.running());
  EXPECT_EQ(timer.currentCount(), 3);
  EXPECT_FALSE(clock->hasPendingTasks());
}

TEST(RuntimeClock, StoppedResetAndDestroyedTimersLeaveNothingBehind)
{
  auto clock = ManualClock();
  QStringList log;
  {
    Timer timer(clock, 100);
    Record(timer, *clock, log);
    timer.addEventListener(TimerEvent::TIMER, [&timer](Event&) {
      if (timer.currentCount() == 2) {
        timer.stop();
      }
    });
    timer.start();
    clock->advance(1000);
    EXPECT_EQ(log, (QStringList{"timer@100", "timer@200"}));
    timer.reset();
    EXPECT_EQ(timer.currentCount(), 0);
    timer.start();
    EXPECT_TRUE(clock->hasPendingTasks());
  }
  EXPECT_FALSE(clock->hasPendingTasks());
  clock->advance(1000);
  EXPECT_EQ(log.size(), 2);
}

TEST(RuntimeClock, AClosedClockRunsNothingAndTakesNoNewTasks)
{
  auto clock = ManualClock();
  Timer timer(clock, 100);
  int ticks = 0;
  timer.addEventListener(TimerEvent::TIMER, [&ticks](Event&) { ++ticks; });
  timer.start();
  clock->close();
  clock->advance(1000);
  timer.stop();
  timer.start();
  clock->advance(1000);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(clock->hasPendingTasks());
}

namespace {

class RuntimeFrameClock : public ::testing::Test {
 protected:
  RuntimeFrameClock()
  {
    swf::MovieFile movie;
    movie.frameRect = QRectF(0, 0, 100, 100);
    movie.frameRate = 12;
    player = std::make_unique<Player>(movie, QMap<QString, QString>{}, clock, Player::Host{});
  }

  std::shared_ptr<Clock> clock = ManualClock();
  std::unique_ptr<Player> player;
};

}  // namespace

TEST_F(RuntimeFrameClock, MovieClipFramesAdvanceAtTheFrameRateAndLoop)
{
  auto clip = player->stage().addChild(std::make_shared<display::MovieClip>(24));
  EXPECT_EQ(clip->currentFrame(), 1);
  clock->advance(1000);  // 12 frames in one second
  EXPECT_EQ(clip->currentFrame(), 13);
  clock->advance(1000);
  EXPECT_EQ(clip->currentFrame(), 1);  // 24 frames later, round again
  clip->gotoAndStop(5);
  clock->advance(1000);
  EXPECT_EQ(clip->currentFrame(), 5);
  EXPECT_FALSE(clock->hasPendingTasks());  // nothing plays: the frame clock sleeps

  clip->gotoAndPlay(23);
  EXPECT_TRUE(clock->hasPendingTasks());
  clock->advance(167);  // two frames: 24, then 1
  EXPECT_EQ(clip->currentFrame(), 1);
}

TEST_F(RuntimeFrameClock, FrameScriptsAndEnterFrameRunEachFrame)
{
  auto clip = player->stage().addChild(std::make_shared<display::MovieClip>(3));
  QStringList log;
  clip->addFrameScript(3, [&log, this] { log << QStringLiteral("frame 3 @%1").arg(clock->now()); });
  clip->addEventListener(Event::ENTER_FRAME, [&log, &clip](Event&) { log << QStringLiteral("enter %1").arg(clip->currentFrame()); });
  clock->advance(250);
  EXPECT_EQ(log, (QStringList{"enter 2", "frame 3 @167", "enter 3", "enter 1"}));
}

TEST_F(RuntimeFrameClock, ASingleFrameClipWithoutListenersLeavesTheClockIdle)
{
  player->stage().addChild(std::make_shared<display::MovieClip>(1));
  clock->advance(1000);
  EXPECT_FALSE(clock->hasPendingTasks());
}

TEST_F(RuntimeFrameClock, ShutdownStopsTimersAndFrames)
{
  auto clip = player->stage().addChild(std::make_shared<display::MovieClip>(24));
  Timer timer(player->clock(), 100);
  int ticks = 0;
  timer.addEventListener(TimerEvent::TIMER, [&ticks](Event&) { ++ticks; });
  timer.start();
  bool hookRan = false;
  player->addShutdownHook([&hookRan] { hookRan = true; });
  player->shutdown();
  clock->advance(1000);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(clip->currentFrame(), 1);
  EXPECT_TRUE(hookRan);
}

TEST(RuntimeClock, ARealClockWakesThroughTheEventLoopAndThenSleeps)
{
  auto clock = std::make_shared<Clock>(Clock::Mode::Real);
  Timer timer(clock, 5, 2);
  QEventLoop loop;
  int ticks = 0;
  timer.addEventListener(TimerEvent::TIMER, [&ticks](Event&) { ++ticks; });
  timer.addEventListener(TimerEvent::TIMER_COMPLETE, [&loop](Event&) { loop.quit(); });
  QTimer::singleShot(10'000, &loop, [&loop] { loop.exit(1); });  // a guard, never reached when all is well
  timer.start();
  EXPECT_EQ(loop.exec(), 0);
  EXPECT_EQ(ticks, 2);
  EXPECT_GE(clock->now(), 10);
  EXPECT_FALSE(clock->hasPendingTasks());
}
