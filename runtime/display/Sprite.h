#pragma once

#include "runtime/display/DisplayObjectContainer.h"
#include "runtime/display/Graphics.h"

#include <QRectF>

#include <optional>

namespace flash::display {

class Sprite : public DisplayObjectContainer {
 public:
  Sprite() : graphics_([this] { invalidate(); }) {}

  Graphics& graphics() { return graphics_; }
  const Graphics& graphics() const { return graphics_; }

  bool buttonMode() const { return buttonMode_; }
  void setButtonMode(bool on) { buttonMode_ = on; }
  bool useHandCursor() const { return useHandCursor_; }
  void setUseHandCursor(bool on) { useHandCursor_ = on; }
  bool showsHandCursor() const override { return buttonMode_ && useHandCursor_; }

  // Moves the sprite with the pointer until stopDrag(), keeping the offset between the pointer and the
  // sprite's origin unless `lockCenter`, and keeping its position within `bounds` (parent space).
  void startDrag(bool lockCenter = false, std::optional<QRectF> bounds = std::nullopt);
  void stopDrag();

 protected:
  QRectF contentBounds() const override { return graphics_.bounds(); }
  bool hitsContent(QPointF local) const override { return graphics_.hitTest(local); }
  void paintContent(QPainter& painter) const override { graphics_.paint(painter); }

 private:
  Graphics graphics_;
  bool buttonMode_ = false;
  bool useHandCursor_ = true;
};

}  // namespace flash::display
