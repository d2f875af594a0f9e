#include "movie/library/MyPanel.h"

#include "movie/library/ButtonFace.h"

MyPanel::MyPanel() : MovieClip(1)
{
  library_drawing::VerticalGradientRect(graphics(), QRectF(0, 0, 27.5, 20), 0xFDFDFD, 0xBFBFBF);
}
