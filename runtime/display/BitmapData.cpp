#include "runtime/display/BitmapData.h"

#include <QPainter>

namespace flash::display {

namespace {

quint32 Opaque(quint32 color, bool transparent)
{
  return transparent ? color : (color | 0xFF000000u);
}

}  // namespace

BitmapData::BitmapData(int width, int height, bool transparent, quint32 fillColor)
    : image_(qMax(width, 0), qMax(height, 0), QImage::Format_ARGB32), transparent_(transparent)
{
  image_.fill(QColor::fromRgba(Opaque(fillColor, transparent)));
}

BitmapData::BitmapData(QImage image) : image_(image.convertToFormat(QImage::Format_ARGB32)), transparent_(image.hasAlphaChannel())
{
}

quint32 BitmapData::getPixel32(int x, int y) const
{
  return image_.valid(x, y) ? image_.pixel(x, y) : 0;
}

void BitmapData::setPixel32(int x, int y, quint32 color)
{
  if (image_.valid(x, y)) {
    image_.setPixel(x, y, Opaque(color, transparent_));
  }
}

void BitmapData::fillRect(const QRect& area, quint32 color)
{
  QPainter painter(&image_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(area, QColor::fromRgba(Opaque(color, transparent_)));
}

}  // namespace flash::display
