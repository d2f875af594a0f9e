#include "runtime/display/DisplayObject.h"

#include "runtime/display/Stage.h"

#include <QPainter>

namespace flash::display {

template <class Value>
void DisplayObject::change(Value& field, Value value)
{
  if (field == value) {
    return;
  }
  invalidate();
  field = value;
  invalidate();
}

void DisplayObject::setX(double x)
{
  change(x_, x);
}

void DisplayObject::setY(double y)
{
  change(y_, y);
}

void DisplayObject::setScaleX(double scale)
{
  change(scaleX_, scale);
}

void DisplayObject::setScaleY(double scale)
{
  change(scaleY_, scale);
}

void DisplayObject::setRotation(double degrees)
{
  change(rotation_, degrees);
}

double DisplayObject::width() const
{
  return transform().mapRect(localBounds()).width();
}

double DisplayObject::height() const
{
  return transform().mapRect(localBounds()).height();
}

void DisplayObject::setWidth(double width)
{
  const double unscaled = localBounds().width();
  if (unscaled > 0) {
    setScaleX(width / unscaled);
  }
}

void DisplayObject::setHeight(double height)
{
  const double unscaled = localBounds().height();
  if (unscaled > 0) {
    setScaleY(height / unscaled);
  }
}

void DisplayObject::setAlpha(double alpha)
{
  change(alpha_, qBound(0.0, alpha, 1.0));
}

void DisplayObject::setVisible(bool visible)
{
  if (visible_ == visible) {
    return;
  }
  visible_ = visible;
  invalidate();
}

Stage* DisplayObject::stage() const
{
  return parent_ != nullptr ? parent_->stage() : nullptr;
}

QTransform DisplayObject::transform() const
{
  QTransform result;
  result.translate(x_, y_);
  result.rotate(rotation_);
  result.scale(scaleX_, scaleY_);
  return result;
}

QTransform DisplayObject::concatenatedTransform() const
{
  QTransform result = transform();
  for (const DisplayObject* ancestor = parent_; ancestor != nullptr; ancestor = ancestor->parent_) {
    result *= ancestor->transform();
  }
  return result;
}

QPointF DisplayObject::localToGlobal(QPointF point) const
{
  return concatenatedTransform().map(point);
}

QPointF DisplayObject::globalToLocal(QPointF point) const
{
  return concatenatedTransform().inverted().map(point);
}

QRectF DisplayObject::getBounds(const DisplayObject* targetSpace) const
{
  const QRectF local = localBounds();
  if (local.isNull()) {
    return {};
  }
  QTransform toTarget = concatenatedTransform();
  if (targetSpace != nullptr) {
    toTarget *= targetSpace->concatenatedTransform().inverted();
  }
  return toTarget.mapRect(local);
}

bool DisplayObject::hitTestPoint(double stageX, double stageY, bool shapeFlag) const
{
  const QPointF point(stageX, stageY);
  if (shapeFlag) {
    return hitsShape(globalToLocal(point));
  }
  return getBounds(nullptr).contains(point);
}

double DisplayObject::mouseX() const
{
  Stage* stage = this->stage();
  return stage != nullptr ? globalToLocal(stage->mouseInput().position()).x() : 0;
}

double DisplayObject::mouseY() const
{
  Stage* stage = this->stage();
  return stage != nullptr ? globalToLocal(stage->mouseInput().position()).y() : 0;
}

void DisplayObject::render(QPainter& painter) const
{
  if (!visible_ || alpha_ <= 0) {
    return;
  }
  painter.save();
  painter.setTransform(transform(), true);
  painter.setOpacity(painter.opacity() * alpha_);
  paintContent(painter);
  paintChildren(painter);
  painter.restore();
}

void DisplayObject::invalidate() const
{
  const Stage* stage = this->stage();
  if (stage == nullptr) {
    return;
  }
  const QRectF area = getBounds(nullptr);
  if (!area.isEmpty()) {
    // Antialiased edges reach into the next pixel.
    stage->invalidateArea(area.adjusted(-2, -2, 2, 2));
  }
}

events::EventDispatcher* DisplayObject::eventParent() const
{
  return parent_;
}

void DisplayObject::listenerAdded(const QString& type)
{
  if (type == events::Event::ENTER_FRAME) {
    if (const Stage* stage = this->stage()) {
      stage->wakeFrameClock();
    }
  }
}

}  // namespace flash::display
