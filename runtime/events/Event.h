#pragma once

#include <QString>

namespace flash::events {

class EventDispatcher;

enum class EventPhase { None = 0, Capturing = 1, AtTarget = 2, Bubbling = 3 };

// An event with a string type, sent by an EventDispatcher through its target's ancestors.
class Event {
 public:
  static inline const QString ADDED = QStringLiteral("added");
  static inline const QString ADDED_TO_STAGE = QStringLiteral("addedToStage");
  static inline const QString REMOVED = QStringLiteral("removed");
  static inline const QString REMOVED_FROM_STAGE = QStringLiteral("removedFromStage");
  static inline const QString ENTER_FRAME = QStringLiteral("enterFrame");
  static inline const QString RESIZE = QStringLiteral("resize");
  static inline const QString COMPLETE = QStringLiteral("complete");
  static inline const QString CHANGE = QStringLiteral("change");

  explicit Event(QString type, bool bubbles = false, bool cancelable = false)
      : type_(std::move(type)), bubbles_(bubbles), cancelable_(cancelable)
  {
  }
  virtual ~Event() = default;
  Event(const Event&) = default;
  Event& operator=(const Event&) = default;

  const QString& type() const { return type_; }
  bool bubbles() const { return bubbles_; }
  bool cancelable() const { return cancelable_; }
  EventDispatcher* target() const { return target_; }
  EventDispatcher* currentTarget() const { return currentTarget_; }
  EventPhase eventPhase() const { return phase_; }

  void stopPropagation() { propagationStopped_ = true; }
  void stopImmediatePropagation()
  {
    propagationStopped_ = true;
    immediateStopped_ = true;
  }
  void preventDefault()
  {
    if (cancelable_) {
      defaultPrevented_ = true;
    }
  }
  bool isDefaultPrevented() const { return defaultPrevented_; }

 private:
  friend class EventDispatcher;
  QString type_;
  bool bubbles_;
  bool cancelable_;
  EventDispatcher* target_ = nullptr;
  EventDispatcher* currentTarget_ = nullptr;
  EventPhase phase_ = EventPhase::None;
  bool propagationStopped_ = false;
  bool immediateStopped_ = false;
  bool defaultPrevented_ = false;
};

}  // namespace flash::events
