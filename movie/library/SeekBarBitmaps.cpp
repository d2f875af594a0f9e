#include "movie/library/SeekBarBitmaps.h"

#include <initializer_list>

namespace {

QImage Rows(std::initializer_list<QRgb> rows)
{
  QImage image(2, static_cast<int>(rows.size()), QImage::Format_ARGB32);
  int y = 0;
  for (QRgb row : rows) {
    image.setPixel(0, y, 0xFF000000 | row);
    image.setPixel(1, y, 0xFF000000 | row);
    ++y;
  }
  return image;
}

}  // namespace

SlPart::SlPart(int, int) : BitmapData(Rows({0xA1A1A1, 0x9F9F9F, 0x9B9B9B, 0x989898, 0x969696})) {}

CSlDrag::CSlDrag(int, int)
    : BitmapData(Rows({0x000000, 0x000000, 0x000000, 0x010101, 0x010101, 0x010101, 0x010101}))
{
}

CSlFill::CSlFill(int, int) : BitmapData(Rows({0x010101, 0x010101, 0x010101, 0x010101, 0x010101})) {}
