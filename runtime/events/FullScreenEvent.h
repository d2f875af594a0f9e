#pragma once

#include "runtime/events/Event.h"

namespace flash::events {

class FullScreenEvent : public Event {
 public:
  static inline const QString FULL_SCREEN = QStringLiteral("fullScreen");

  FullScreenEvent(QString type, bool fullScreen) : Event(std::move(type)), fullScreen_(fullScreen) {}

  bool fullScreen() const { return fullScreen_; }

 private:
  bool fullScreen_;
};

}  // namespace flash::events
