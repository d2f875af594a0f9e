#pragma once

#include "runtime/display/InteractiveObject.h"

#include <memory>

namespace flash::display {

// A button that shows its up, over or down picture as the pointer moves and presses on it, and takes the
// mouse where its hit-test picture is drawn.
class SimpleButton : public InteractiveObject {
 public:
  SimpleButton(std::shared_ptr<DisplayObject> upState = nullptr, std::shared_ptr<DisplayObject> overState = nullptr,
               std::shared_ptr<DisplayObject> downState = nullptr, std::shared_ptr<DisplayObject> hitTestState = nullptr);

  const std::shared_ptr<DisplayObject>& upState() const { return upState_; }
  const std::shared_ptr<DisplayObject>& overState() const { return overState_; }
  const std::shared_ptr<DisplayObject>& downState() const { return downState_; }
  const std::shared_ptr<DisplayObject>& hitTestState() const { return hitTestState_; }
  void setUpState(std::shared_ptr<DisplayObject> state);
  void setOverState(std::shared_ptr<DisplayObject> state);
  void setDownState(std::shared_ptr<DisplayObject> state);
  void setHitTestState(std::shared_ptr<DisplayObject> state) { hitTestState_ = std::move(state); }

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  bool useHandCursor() const { return useHandCursor_; }
  void setUseHandCursor(bool on) { useHandCursor_ = on; }
  bool showsHandCursor() const override { return enabled_ && useHandCursor_; }

  // The picture shown now.
  const std::shared_ptr<DisplayObject>& currentState() const;
  void pointerStateChanged(bool over, bool down) override;

  QRectF localBounds() const override;
  bool hitsShape(QPointF local) const override;

 protected:
  void paintContent(QPainter& painter) const override;

 private:
  enum class Look { Up, Over, Down };
  void replace(std::shared_ptr<DisplayObject>& state, std::shared_ptr<DisplayObject> picture);

  std::shared_ptr<DisplayObject> upState_;
  std::shared_ptr<DisplayObject> overState_;
  std::shared_ptr<DisplayObject> downState_;
  std::shared_ptr<DisplayObject> hitTestState_;
  Look look_ = Look::Up;
  bool enabled_ = true;
  bool useHandCursor_ = true;
};

}  // namespace flash::display
