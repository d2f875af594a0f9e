#pragma once

#include "runtime/events/Event.h"

namespace flash::events {

class TimerEvent : public Event {
 public:
  static inline const QString TIMER = QStringLiteral("timer");
  static inline const QString TIMER_COMPLETE = QStringLiteral("timerComplete");

  using Event::Event;
};

}  // namespace flash::events
