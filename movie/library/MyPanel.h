#pragma once

#include "runtime/display/MovieClip.h"

// The control panel's background: 27.5 × 20 with a vertical gradient, stretched by its owner.
class MyPanel : public flash::display::MovieClip {
 public:
  MyPanel();
};
