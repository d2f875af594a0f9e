#include "runtime/display/Bitmap.h"

#include <QPainter>

namespace flash::display {

void Bitmap::setBitmapData(std::shared_ptr<BitmapData> data)
{
  invalidate();
  data_ = std::move(data);
  invalidate();
}

void Bitmap::setSmoothing(bool smoothing)
{
  smoothing_ = smoothing;
  invalidate();
}

QRectF Bitmap::contentBounds() const
{
  return data_ ? QRectF(0, 0, data_->width(), data_->height()) : QRectF();
}

void Bitmap::paintContent(QPainter& painter) const
{
  if (!data_) {
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smoothing_);
  painter.drawImage(QPointF(0, 0), data_->image());
}

}  // namespace flash::display
