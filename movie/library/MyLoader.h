#pragma once

#include "runtime/display/MovieClip.h"
#include "runtime/display/Shape.h"
#include "runtime/text/TextField.h"

#include <array>
#include <memory>

// The preloader: a half-transparent rounded backdrop, 40 × 40 around the origin, with a spinner of 12
// white spokes that turns once every 24 frames, and an empty text field `txt`.
class MyLoader : public flash::display::MovieClip {
 public:
  static constexpr int kSpokes = 12;
  // Opacity of the spokes, going counter-clockwise from the brightest.
  static constexpr std::array<int, kSpokes> kSpokeAlphas{255, 230, 204, 179, 153, 128, 102, 77, 51, 26, 13, 0};

  MyLoader();

  // Angle in degrees (clockwise from 3 o'clock) of the brightest spoke in `frame`.
  static double brightestSpokeAngle(int frame);

  std::shared_ptr<flash::text::TextField> txt;

 protected:
  void frameEntered(int frame) override;

 private:
  std::shared_ptr<flash::display::Shape> spinner_;
};
