#pragma once

#include "runtime/events/Event.h"

namespace flash::events {

// An event that reports a failure with a text.
class ErrorEvent : public Event {
 public:
  static inline const QString ERROR = QStringLiteral("error");

  ErrorEvent(QString type, QString text) : Event(std::move(type)), text_(std::move(text)) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// A load failed: the address could not be read, or its content could not be used.
class IOErrorEvent : public ErrorEvent {
 public:
  static inline const QString IO_ERROR = QStringLiteral("ioError");

  explicit IOErrorEvent(QString text) : ErrorEvent(IO_ERROR, std::move(text)) {}
};

// A load was refused: the address lies where the movie may not read.
class SecurityErrorEvent : public ErrorEvent {
 public:
  static inline const QString SECURITY_ERROR = QStringLiteral("securityError");

  explicit SecurityErrorEvent(QString text) : ErrorEvent(SECURITY_ERROR, std::move(text)) {}
};

}  // namespace flash::events
