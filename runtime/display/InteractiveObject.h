#pragma once

#include "runtime/display/DisplayObject.h"

namespace flash::display {

// A display object that can be the target of mouse events.
class InteractiveObject : public DisplayObject {
 public:
  bool mouseEnabled() const { return mouseEnabled_; }
  void setMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }

  // Whether the pointer over this object shows the hand cursor.
  virtual bool showsHandCursor() const { return false; }
  // Told by the mouse input when the pointer moves over or off the object or presses on it.
  virtual void pointerStateChanged(bool /*over*/, bool /*down*/) {}

 private:
  bool mouseEnabled_ = true;
};

}  // namespace flash::display
