#pragma once

#include "movie/library/KeyButton.h"

// The play key: the button face with a black right-pointing triangle.
class PlayBtn : public KeyButton {
 public:
  PlayBtn();
};
