#pragma once

#include "runtime/display/BitmapData.h"
#include "runtime/display/DisplayObject.h"

#include <memory>

namespace flash::display {

// Shows a BitmapData with its top-left corner at the origin.
class Bitmap : public DisplayObject {
 public:
  explicit Bitmap(std::shared_ptr<BitmapData> data = nullptr, bool smoothing = false)
      : data_(std::move(data)), smoothing_(smoothing)
  {
  }

  const std::shared_ptr<BitmapData>& bitmapData() const { return data_; }
  void setBitmapData(std::shared_ptr<BitmapData> data);
  bool smoothing() const { return smoothing_; }
  void setSmoothing(bool smoothing);

 protected:
  QRectF contentBounds() const override;
  bool hitsContent(QPointF local) const override { return contentBounds().contains(local); }
  void paintContent(QPainter& painter) const override;

 private:
  std::shared_ptr<BitmapData> data_;
  bool smoothing_;
};

}  // namespace flash::display
