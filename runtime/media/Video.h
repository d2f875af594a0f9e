#pragma once

#include "runtime/display/DisplayObject.h"

#include <QMetaObject>

#include <memory>

namespace flash::net {
class NetStream;
}

namespace flash::media {

// Shows the latest picture of a stream, scaled to the video's width and height.
class Video : public display::DisplayObject {
 public:
  explicit Video(int width = 320, int height = 240);
  ~Video() override;

  void attachNetStream(std::shared_ptr<net::NetStream> stream);
  bool smoothing() const { return smoothing_; }
  void setSmoothing(bool smoothing);
  // Size of the picture the stream delivers (0 before the first one).
  int videoWidth() const;
  int videoHeight() const;

 protected:
  QRectF contentBounds() const override { return QRectF(0, 0, width_, height_); }
  bool hitsContent(QPointF local) const override { return contentBounds().contains(local); }
  void paintContent(QPainter& painter) const override;

 private:
  void detach();

  int width_;
  int height_;
  bool smoothing_ = false;
  std::shared_ptr<net::NetStream> stream_;
  QMetaObject::Connection frames_;
};

}  // namespace flash::media
