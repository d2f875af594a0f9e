#include "movie/library/PlayBtn.h"

#include "movie/library/ButtonFace.h"

PlayBtn::PlayBtn()
    : KeyButton([](flash::display::Graphics& graphics) {
        library_drawing::ButtonFace(graphics);
        graphics.beginFill(0x000000);
        graphics.moveTo(6.25, 4.8);
        graphics.lineTo(11.75, 9.2);
        graphics.lineTo(6.25, 13.6);
        graphics.lineTo(6.25, 4.8);
        graphics.endFill();
      })
{
}
