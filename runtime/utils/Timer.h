#pragma once

#include "runtime/events/EventDispatcher.h"
#include "runtime/utils/Clock.h"

#include <memory>

namespace flash::utils {

// Sends "timer" every `delay` milliseconds of its clock, and "timerComplete" after `repeatCount` ticks
// (0: without end).
class Timer : public events::EventDispatcher {
 public:
  Timer(const std::shared_ptr<Clock>& clock, double delay, int repeatCount = 0);
  ~Timer() override;

  double delay() const { return delay_; }
  void setDelay(double delay);
  int repeatCount() const { return repeatCount_; }
  void setRepeatCount(int count) { repeatCount_ = count; }
  int currentCount() const { return currentCount_; }
  bool running() const { return running_; }

  void start();
  void stop();
  // Stops and sets the count back to 0.
  void reset();

 private:
  void scheduleTick();
  void tick();

  std::weak_ptr<Clock> clock_;
  double delay_;
  int repeatCount_;
  int currentCount_ = 0;
  bool running_ = false;
  Clock::TaskId pending_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace flash::utils
