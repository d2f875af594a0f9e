#pragma once

#include <QPointF>
#include <QRectF>

#include <memory>
#include <optional>
#include <vector>

namespace flash::display {

class InteractiveObject;
class Sprite;
class Stage;

// Turns the host's pointer input (in stage coordinates) into mouse events on the display list: finds the
// target from the top of the list, sends mouseDown, mouseUp, click and mouseMove through capture, target
// and bubble, rollOver / rollOut and mouseOver / mouseOut as the pointer moves, and moves a dragged sprite.
class MouseInput {
 public:
  explicit MouseInput(Stage& stage) : stage_(stage) {}

  void move(QPointF stagePoint);
  void press(QPointF stagePoint);
  void release(QPointF stagePoint);
  // The pointer left the view.
  void leave();

  QPointF position() const { return position_; }
  bool buttonDown() const { return buttonDown_; }
  // The object that receives mouse events at the point: the stage when nothing else does.
  InteractiveObject* targetAt(QPointF stagePoint) const;
  bool showsHandCursor() const;

  void startDrag(Sprite& sprite, bool lockCenter, std::optional<QRectF> bounds);
  void stopDrag(const Sprite* sprite);

 private:
  void dispatch(InteractiveObject* target, const QString& type, bool bubbles, InteractiveObject* related = nullptr);
  void updateHover(InteractiveObject* target);
  void moveDragged();
  std::shared_ptr<InteractiveObject> hold(InteractiveObject* object) const;
  InteractiveObject* resolve(const std::weak_ptr<InteractiveObject>& object) const;
  std::vector<std::shared_ptr<InteractiveObject>> chainOf(InteractiveObject* target) const;

  Stage& stage_;
  QPointF position_;
  bool buttonDown_ = false;
  std::weak_ptr<InteractiveObject> hovered_;
  std::weak_ptr<InteractiveObject> pressed_;
  std::vector<std::weak_ptr<InteractiveObject>> rolledOver_;
  std::weak_ptr<Sprite> dragged_;
  QPointF grabOffset_;
  std::optional<QRectF> dragBounds_;
};

}  // namespace flash::display
