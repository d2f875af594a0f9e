#include "runtime/display/Sprite.h"

#include "runtime/display/Stage.h"

namespace flash::display {

void Sprite::startDrag(bool lockCenter, std::optional<QRectF> bounds)
{
  if (Stage* stage = this->stage()) {
    stage->mouseInput().startDrag(*this, lockCenter, bounds);
  }
}

void Sprite::stopDrag()
{
  if (Stage* stage = this->stage()) {
    stage->mouseInput().stopDrag(this);
  }
}

}  // namespace flash::display
