#pragma once

#include <QImage>

namespace flash::display {

// A picture in memory; colours are 0xAARRGGBB (getPixel32) or 0xRRGGBB (getPixel).
class BitmapData {
 public:
  BitmapData(int width, int height, bool transparent = true, quint32 fillColor = 0xFFFFFFFF);
  explicit BitmapData(QImage image);

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  bool transparent() const { return transparent_; }
  quint32 getPixel(int x, int y) const { return getPixel32(x, y) & 0xFFFFFF; }
  quint32 getPixel32(int x, int y) const;
  void setPixel32(int x, int y, quint32 color);
  void fillRect(const QRect& area, quint32 color);
  const QImage& image() const { return image_; }

 private:
  QImage image_;
  bool transparent_;
};

}  // namespace flash::display
