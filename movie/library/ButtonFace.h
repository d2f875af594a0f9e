#pragma once

#include "runtime/display/Graphics.h"

#include <QRectF>

// Drawing shared by the movie's library symbols.
namespace library_drawing {

// A rectangle filled with a vertical gradient from `top` to `bottom`.
void VerticalGradientRect(flash::display::Graphics& graphics, const QRectF& box, quint32 top, quint32 bottom);

// The light, top-lit square key behind the glyphs of PlayBtn, PauseBtn and FullBtn: 18.3 × 19.25 from
// (−0.15, −0.65).
void ButtonFace(flash::display::Graphics& graphics);

}  // namespace library_drawing
