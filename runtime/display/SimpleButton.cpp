#include "runtime/display/SimpleButton.h"

namespace flash::display {

SimpleButton::SimpleButton(std::shared_ptr<DisplayObject> upState, std::shared_ptr<DisplayObject> overState,
                           std::shared_ptr<DisplayObject> downState, std::shared_ptr<DisplayObject> hitTestState)
    : upState_(std::move(upState)), overState_(std::move(overState)), downState_(std::move(downState)),
      hitTestState_(std::move(hitTestState))
{
}

void SimpleButton::setUpState(std::shared_ptr<DisplayObject> state)
{
  replace(upState_, std::move(state));
}

void SimpleButton::setOverState(std::shared_ptr<DisplayObject> state)
{
  replace(overState_, std::move(state));
}

void SimpleButton::setDownState(std::shared_ptr<DisplayObject> state)
{
  replace(downState_, std::move(state));
}

const std::shared_ptr<DisplayObject>& SimpleButton::currentState() const
{
  switch (look_) {
    case Look::Over:
      return overState_;
    case Look::Down:
      return downState_;
    case Look::Up:
      break;
  }
  return upState_;
}

void SimpleButton::pointerStateChanged(bool over, bool down)
{
  const Look look = !enabled_ || !over ? Look::Up : down ? Look::Down : Look::Over;
  if (look != look_) {
    invalidate();
    look_ = look;
    invalidate();
  }
}

QRectF SimpleButton::localBounds() const
{
  const auto& state = currentState();
  return state ? state->transform().mapRect(state->localBounds()) : QRectF();
}

bool SimpleButton::hitsShape(QPointF local) const
{
  return hitTestState_ && hitTestState_->hitsShape(hitTestState_->transform().inverted().map(local));
}

void SimpleButton::paintContent(QPainter& painter) const
{
  if (const auto& state = currentState()) {
    state->render(painter);
  }
}

void SimpleButton::replace(std::shared_ptr<DisplayObject>& state, std::shared_ptr<DisplayObject> picture)
{
  invalidate();
  state = std::move(picture);
  invalidate();
}

}  // namespace flash::display
