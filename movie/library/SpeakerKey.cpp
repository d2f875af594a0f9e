#include "movie/library/SpeakerKey.h"

#include "movie/library/ButtonFace.h"

SpeakerKey::SpeakerKey(quint32 glyphColour)
    : KeyButton([glyphColour](flash::display::Graphics& graphics) {
        library_drawing::VerticalGradientRect(graphics, QRectF(0, 0, 12, 12), 0xFCFCFC, 0xBFBFBF);
        graphics.beginFill(glyphColour);
        graphics.drawRect(2.35, 4.25, 2, 3.5);
        graphics.endFill();
        graphics.beginFill(glyphColour);
        graphics.moveTo(5.9, 4.25);
        graphics.lineTo(9.7, 1.35);
        graphics.lineTo(9.7, 10.7);
        graphics.lineTo(5.9, 7.75);
        graphics.lineTo(5.9, 4.25);
        graphics.endFill();
      })
{
}
