#pragma once

#include "runtime/events/Event.h"

#include <QPointF>

namespace flash::display {
class InteractiveObject;
}

namespace flash::events {

class MouseEvent : public Event {
 public:
  static inline const QString CLICK = QStringLiteral("click");
  static inline const QString MOUSE_DOWN = QStringLiteral("mouseDown");
  static inline const QString MOUSE_UP = QStringLiteral("mouseUp");
  static inline const QString MOUSE_MOVE = QStringLiteral("mouseMove");
  static inline const QString MOUSE_OVER = QStringLiteral("mouseOver");
  static inline const QString MOUSE_OUT = QStringLiteral("mouseOut");
  static inline const QString ROLL_OVER = QStringLiteral("rollOver");
  static inline const QString ROLL_OUT = QStringLiteral("rollOut");

  MouseEvent(QString type, bool bubbles, QPointF stagePoint, QPointF localPoint, bool buttonDown,
             display::InteractiveObject* relatedObject = nullptr)
      : Event(std::move(type), bubbles), stage_(stagePoint), local_(localPoint), buttonDown_(buttonDown),
        relatedObject_(relatedObject)
  {
  }

  double stageX() const { return stage_.x(); }
  double stageY() const { return stage_.y(); }
  // Local coordinates are those of the target.
  double localX() const { return local_.x(); }
  double localY() const { return local_.y(); }
  bool buttonDown() const { return buttonDown_; }
  display::InteractiveObject* relatedObject() const { return relatedObject_; }

 private:
  QPointF stage_;
  QPointF local_;
  bool buttonDown_;
  display::InteractiveObject* relatedObject_;
};

}  // namespace flash::events
