#pragma once

#include "runtime/events/Event.h"

namespace classes {

// A loader worker's report that its load failed, with a code telling how (1000 refused, 1001 read error of
// a text load, 1002 the load could not start or its content could not be read).
class CLoadErrorEvent : public flash::events::Event {
 public:
  CLoadErrorEvent(QString type, int code) : Event(std::move(type)), code_(code) {}

  int error() const { return code_; }

 private:
  int code_;
};

}  // namespace classes
