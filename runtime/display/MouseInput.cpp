#include "runtime/display/MouseInput.h"

#include "runtime/Trace.h"
#include "runtime/display/SimpleButton.h"
#include "runtime/display/Sprite.h"
#include "runtime/display/Stage.h"
#include "runtime/events/MouseEvent.h"

#include <algorithm>

namespace flash::display {

namespace {

struct Hit {
  bool hit = false;
  InteractiveObject* target = nullptr;  // null: drawn content that takes no mouse events itself
};

Hit Find(DisplayObject& object, QPointF stagePoint)
{
  if (!object.visible()) {
    return {};
  }
  const QPointF local = object.globalToLocal(stagePoint);
  if (auto* button = dynamic_cast<SimpleButton*>(&object)) {
    return button->mouseEnabled() && button->hitsShape(local) ? Hit{true, button} : Hit{};
  }
  if (auto* container = dynamic_cast<DisplayObjectContainer*>(&object)) {
    const auto& children = container->children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
      const Hit hit = Find(**child, stagePoint);
      if (!hit.hit) {
        continue;
      }
      if (!container->mouseChildren()) {
        return container->mouseEnabled() ? Hit{true, container} : Hit{};
      }
      if (hit.target != nullptr) {
        return hit;
      }
      if (container->mouseEnabled()) {
        return {true, container};
      }
      // Content of a container that takes no mouse events: what lies below may.
    }
    if (container->mouseEnabled() && container->hitsOwnContent(local)) {
      return {true, container};
    }
    return {};
  }
  if (auto* interactive = dynamic_cast<InteractiveObject*>(&object)) {
    return interactive->mouseEnabled() && interactive->hitsShape(local) ? Hit{true, interactive} : Hit{};
  }
  return object.hitsShape(local) ? Hit{true, nullptr} : Hit{};
}

}  // namespace

InteractiveObject* MouseInput::targetAt(QPointF stagePoint) const
{
  const Hit hit = Find(stage_, stagePoint);
  return hit.target != nullptr ? hit.target : &stage_;
}

void MouseInput::move(QPointF stagePoint)
{
  position_ = stagePoint;
  moveDragged();
  InteractiveObject* target = targetAt(stagePoint);
  updateHover(target);
  dispatch(resolve(hovered_), events::MouseEvent::MOUSE_MOVE, true);
}

void MouseInput::press(QPointF stagePoint)
{
  position_ = stagePoint;
  buttonDown_ = true;
  updateHover(targetAt(stagePoint));
  InteractiveObject* target = resolve(hovered_);
  pressed_ = hold(target);
  target->pointerStateChanged(true, true);
  dispatch(target, events::MouseEvent::MOUSE_DOWN, true);
}

void MouseInput::release(QPointF stagePoint)
{
  position_ = stagePoint;
  buttonDown_ = false;
  const std::shared_ptr<InteractiveObject> pressed = pressed_.lock();
  pressed_.reset();
  updateHover(targetAt(stagePoint));
  InteractiveObject* target = resolve(hovered_);
  if (pressed) {
    pressed->pointerStateChanged(pressed.get() == target, false);
  }
  dispatch(target, events::MouseEvent::MOUSE_UP, true);
  if (pressed && pressed.get() == target) {
    dispatch(target, events::MouseEvent::CLICK, true);
  }
}

void MouseInput::leave()
{
  updateHover(&stage_);
}

bool MouseInput::showsHandCursor() const
{
  for (const DisplayObject* node = resolve(hovered_); node != nullptr; node = node->parent()) {
    const auto* interactive = dynamic_cast<const InteractiveObject*>(node);
    if (interactive != nullptr && interactive->showsHandCursor()) {
      return true;
    }
  }
  return false;
}

void MouseInput::startDrag(Sprite& sprite, bool lockCenter, std::optional<QRectF> bounds)
{
  auto owned = std::dynamic_pointer_cast<Sprite>(sprite.weak_from_this().lock());
  if (!owned) {
    trace(QStringLiteral("startDrag: the sprite is not held by the display list"));
    return;
  }
  dragged_ = owned;
  dragBounds_ = bounds ? std::optional<QRectF>(bounds->normalized()) : std::nullopt;
  const DisplayObjectContainer* parent = sprite.parent();
  const QPointF pointer = parent != nullptr ? parent->globalToLocal(position_) : position_;
  grabOffset_ = lockCenter ? QPointF() : pointer - QPointF(sprite.x(), sprite.y());
  if (lockCenter) {
    moveDragged();
  }
}

void MouseInput::stopDrag(const Sprite* sprite)
{
  const auto dragged = dragged_.lock();
  if (sprite == nullptr || dragged.get() == sprite) {
    dragged_.reset();
    dragBounds_.reset();
  }
}

void MouseInput::dispatch(InteractiveObject* target, const QString& type, bool bubbles, InteractiveObject* related)
{
  const auto keep = hold(target);
  events::MouseEvent event(type, bubbles, position_, target->globalToLocal(position_), buttonDown_, related);
  target->dispatchEvent(event);
}

void MouseInput::updateHover(InteractiveObject* target)
{
  InteractiveObject* previous = resolve(hovered_);
  const auto keepPrevious = hold(previous);
  const auto keepTarget = hold(target);
  const auto chain = chainOf(target);
  std::vector<std::shared_ptr<InteractiveObject>> previousChain;
  for (const auto& weak : rolledOver_) {
    if (auto object = weak.lock()) {
      previousChain.push_back(std::move(object));
    }
  }
  auto inChain = [](const auto& list, const InteractiveObject* object) {
    return std::any_of(list.begin(), list.end(), [object](const auto& entry) { return entry.get() == object; });
  };

  hovered_ = hold(target);
  rolledOver_.assign(chain.begin(), chain.end());
  if (previous != target) {
    previous->pointerStateChanged(false, false);
    dispatch(previous, events::MouseEvent::MOUSE_OUT, true, target);
  }
  for (const auto& object : previousChain) {
    if (!inChain(chain, object.get())) {
      dispatch(object.get(), events::MouseEvent::ROLL_OUT, false, target);
    }
  }
  if (previous != target) {
    target->pointerStateChanged(true, buttonDown_ && pressed_.lock().get() == target);
    dispatch(target, events::MouseEvent::MOUSE_OVER, true, previous);
  }
  for (auto object = chain.rbegin(); object != chain.rend(); ++object) {
    if (!inChain(previousChain, object->get())) {
      dispatch(object->get(), events::MouseEvent::ROLL_OVER, false, previous);
    }
  }
}

void MouseInput::moveDragged()
{
  const auto sprite = dragged_.lock();
  if (!sprite) {
    return;
  }
  const DisplayObjectContainer* parent = sprite->parent();
  QPointF position = (parent != nullptr ? parent->globalToLocal(position_) : position_) - grabOffset_;
  if (dragBounds_) {
    position.setX(std::clamp(position.x(), dragBounds_->left(), dragBounds_->right()));
    position.setY(std::clamp(position.y(), dragBounds_->top(), dragBounds_->bottom()));
  }
  sprite->setX(position.x());
  sprite->setY(position.y());
}

std::shared_ptr<InteractiveObject> MouseInput::hold(InteractiveObject* object) const
{
  return object != nullptr ? std::dynamic_pointer_cast<InteractiveObject>(object->weak_from_this().lock()) : nullptr;
}

InteractiveObject* MouseInput::resolve(const std::weak_ptr<InteractiveObject>& object) const
{
  const auto held = object.lock();
  return held ? held.get() : &stage_;
}

std::vector<std::shared_ptr<InteractiveObject>> MouseInput::chainOf(InteractiveObject* target) const
{
  std::vector<std::shared_ptr<InteractiveObject>> chain;
  for (DisplayObject* node = target; node != nullptr && node != &stage_; node = node->parent()) {
    if (auto object = hold(dynamic_cast<InteractiveObject*>(node))) {
      chain.push_back(std::move(object));
    }
  }
  return chain;
}

}  // namespace flash::display
