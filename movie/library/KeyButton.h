#pragma once

#include "runtime/display/Shape.h"
#include "runtime/display/SimpleButton.h"

#include <functional>
#include <memory>

// A library button whose one picture serves as its up, over, down and hit-test states.
class KeyButton : public flash::display::SimpleButton {
 protected:
  explicit KeyButton(const std::function<void(flash::display::Graphics&)>& draw)
  {
    auto picture = std::make_shared<flash::display::Shape>();
    draw(picture->graphics());
    setUpState(picture);
    setOverState(picture);
    setDownState(picture);
    setHitTestState(picture);
  }
};
