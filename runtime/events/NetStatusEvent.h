#pragma once

#include "runtime/events/Event.h"

#include <QVariantMap>

namespace flash::events {

// A connection's or stream's status: `info` holds "code" and "level".
class NetStatusEvent : public Event {
 public:
  static inline const QString NET_STATUS = QStringLiteral("netStatus");

  explicit NetStatusEvent(QVariantMap info) : Event(NET_STATUS), info_(std::move(info)) {}
  NetStatusEvent(const QString& code, const QString& level)
      : NetStatusEvent(QVariantMap{{QStringLiteral("code"), code}, {QStringLiteral("level"), level}})
  {
  }

  const QVariantMap& info() const { return info_; }
  QString code() const { return info_.value(QStringLiteral("code")).toString(); }
  QString level() const { return info_.value(QStringLiteral("level")).toString(); }

 private:
  QVariantMap info_;
};

}  // namespace flash::events
