#include "movie/library/ButtonFace.h"

#include <cmath>

namespace library_drawing {

void VerticalGradientRect(flash::display::Graphics& graphics, const QRectF& box, quint32 top, quint32 bottom)
{
  flash::geom::Matrix matrix;
  matrix.createGradientBox(box.width(), box.height(), M_PI / 2, box.x(), box.y());
  graphics.beginGradientFill(flash::display::GradientType::LINEAR, {top, bottom}, {1, 1}, {0, 255}, matrix);
  graphics.drawRect(box.x(), box.y(), box.width(), box.height());
  graphics.endFill();
}

void ButtonFace(flash::display::Graphics& graphics)
{
  constexpr quint32 kFaceTop = 0xFCFCFC;
  constexpr quint32 kFaceBottom = 0xBFBFBF;
  constexpr quint32 kLight = 0xF8F8F8;
  constexpr quint32 kDark = 0x404040;
  VerticalGradientRect(graphics, QRectF(QPointF(0.95, 0.5), QPointF(17.05, 17.5)), kFaceTop, kFaceBottom);
  VerticalGradientRect(graphics, QRectF(QPointF(0, 0.4), QPointF(1, 18.4)), kLight, kDark);
  VerticalGradientRect(graphics, QRectF(QPointF(17.05, 0.4), QPointF(18.05, 18.4)), kLight, kDark);
  graphics.beginFill(kLight);
  graphics.drawRect(-0.15, -0.65, 18.3, 1);
  graphics.endFill();
  graphics.beginFill(kDark);
  graphics.drawRect(-0.15, 17.6, 18.3, 1);
  graphics.endFill();
}

}  // namespace library_drawing
