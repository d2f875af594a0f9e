#pragma once

#include "movie/library/KeyButton.h"

// The pause key: the button face with two black vertical bars.
class PauseBtn : public KeyButton {
 public:
  PauseBtn();
};
