#pragma once

#include "runtime/display/DisplayObject.h"
#include "runtime/display/Graphics.h"

namespace flash::display {

// Vector drawing that is never a mouse target itself.
class Shape : public DisplayObject {
 public:
  Shape() : graphics_([this] { invalidate(); }) {}

  Graphics& graphics() { return graphics_; }
  const Graphics& graphics() const { return graphics_; }

 protected:
  QRectF contentBounds() const override { return graphics_.bounds(); }
  bool hitsContent(QPointF local) const override { return graphics_.hitTest(local); }
  void paintContent(QPainter& painter) const override { graphics_.paint(painter); }

 private:
  Graphics graphics_;
};

}  // namespace flash::display
