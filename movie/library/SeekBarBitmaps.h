#pragma once

#include "runtime/display/BitmapData.h"

// The seek bar's tiny pictures. As library bitmaps, they hold their stored picture whatever size they are
// asked for.

// Track piece: 2 × 5, grey, lighter at the top.
class SlPart : public flash::display::BitmapData {
 public:
  explicit SlPart(int width = 0, int height = 0);
};

// Handle: 2 × 7, black.
class CSlDrag : public flash::display::BitmapData {
 public:
  explicit CSlDrag(int width = 0, int height = 0);
};

// Fill: 2 × 5, near-black.
class CSlFill : public flash::display::BitmapData {
 public:
  explicit CSlFill(int width = 0, int height = 0);
};
