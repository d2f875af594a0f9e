#include "runtime/utils/Timer.h"

#include "runtime/events/TimerEvent.h"

#include <cmath>

namespace flash::utils {

Timer::Timer(const std::shared_ptr<Clock>& clock, double delay, int repeatCount)
    : clock_(clock), delay_(delay), repeatCount_(repeatCount)
{
}

Timer::~Timer()
{
  stop();
}

void Timer::setDelay(double delay)
{
  delay_ = delay;
  if (running_) {
    stop();
    start();
  }
}

void Timer::start()
{
  if (running_) {
    return;
  }
  running_ = true;
  scheduleTick();
}

void Timer::stop()
{
  running_ = false;
  if (pending_ != 0) {
    if (auto clock = clock_.lock()) {
      clock->cancel(pending_);
    }
    pending_ = 0;
  }
}

void Timer::reset()
{
  stop();
  currentCount_ = 0;
}

void Timer::scheduleTick()
{
  auto clock = clock_.lock();
  if (!clock) {
    running_ = false;
    return;
  }
  const std::weak_ptr<bool> alive = alive_;
  pending_ = clock->schedule(static_cast<qint64>(std::llround(delay_)), [this, alive] {
    if (!alive.expired()) {
      pending_ = 0;
      tick();
    }
  });
}

void Timer::tick()
{
  const std::weak_ptr<bool> alive = alive_;
  ++currentCount_;
  events::TimerEvent timer(events::TimerEvent::TIMER);
  dispatchEvent(timer);
  if (alive.expired() || !running_ || pending_ != 0) {
    return;  // destroyed, stopped or restarted by a listener
  }
  if (repeatCount_ > 0 && currentCount_ >= repeatCount_) {
    running_ = false;
    events::TimerEvent complete(events::TimerEvent::TIMER_COMPLETE);
    dispatchEvent(complete);
    return;
  }
  scheduleTick();
}

}  // namespace flash::utils
