#pragma once

#include "runtime/events/Event.h"

namespace flash::events {

// Part of a load has arrived; bytesTotal is 0 while the size is unknown.
class ProgressEvent : public Event {
 public:
  static inline const QString PROGRESS = QStringLiteral("progress");

  ProgressEvent(qint64 bytesLoaded, qint64 bytesTotal)
      : Event(PROGRESS), bytesLoaded_(bytesLoaded), bytesTotal_(bytesTotal)
  {
  }
  qint64 bytesLoaded() const { return bytesLoaded_; }
  qint64 bytesTotal() const { return bytesTotal_; }

 private:
  qint64 bytesLoaded_;
  qint64 bytesTotal_;
};

}  // namespace flash::events
