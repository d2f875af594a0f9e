#include "movie/library/FullBtn.h"

#include "movie/library/ButtonFace.h"

FullBtn::FullBtn()
    : KeyButton([](flash::display::Graphics& graphics) {
        library_drawing::ButtonFace(graphics);
        graphics.beginFill(0x000000);
        graphics.drawRect(6.5, 6.7, 5, 5);
        graphics.endFill();
        // Corner marks: an L at each corner of the box 4.5 … 13.5 × 4.7 … 13.7, pointing outwards.
        constexpr double kLeft = 4.5;
        constexpr double kRight = 13.5;
        constexpr double kTop = 4.7;
        constexpr double kBottom = 13.7;
        constexpr double kArm = 2;
        graphics.lineStyle(1, 0x808080, 1, flash::display::CapsStyle::NONE);
        graphics.moveTo(kLeft, kTop + kArm);
        graphics.lineTo(kLeft, kTop);
        graphics.lineTo(kLeft + kArm, kTop);
        graphics.moveTo(kRight - kArm, kTop);
        graphics.lineTo(kRight, kTop);
        graphics.lineTo(kRight, kTop + kArm);
        graphics.moveTo(kLeft, kBottom - kArm);
        graphics.lineTo(kLeft, kBottom);
        graphics.lineTo(kLeft + kArm, kBottom);
        graphics.moveTo(kRight - kArm, kBottom);
        graphics.lineTo(kRight, kBottom);
        graphics.lineTo(kRight, kBottom - kArm);
        graphics.lineStyle();
      })
{
}
