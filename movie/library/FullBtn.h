#pragma once

#include "movie/library/KeyButton.h"

// The full-screen key: the button face with a black square framed by four grey corner marks.
class FullBtn : public KeyButton {
 public:
  FullBtn();
};
