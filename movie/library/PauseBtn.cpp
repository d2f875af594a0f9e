#include "movie/library/PauseBtn.h"

#include "movie/library/ButtonFace.h"

PauseBtn::PauseBtn()
    : KeyButton([](flash::display::Graphics& graphics) {
        library_drawing::ButtonFace(graphics);
        graphics.beginFill(0x000000);
        graphics.drawRect(5.85, 5.55, 1.4, 7.35);
        graphics.drawRect(10.05, 5.55, 1.4, 7.35);
        graphics.endFill();
      })
{
}
