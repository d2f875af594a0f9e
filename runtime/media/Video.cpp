#include "runtime/media/Video.h"

#include "runtime/media/MpvStream.h"
#include "runtime/net/NetStream.h"

#include <QPainter>

namespace flash::media {

Video::Video(int width, int height) : width_(width), height_(height) {}

Video::~Video()
{
  detach();
}

void Video::detach()
{
  QObject::disconnect(frames_);
  stream_.reset();
}

void Video::attachNetStream(std::shared_ptr<net::NetStream> stream)
{
  detach();
  stream_ = std::move(stream);
  if (stream_) {
    frames_ = QObject::connect(&stream_->engine(), &::media::MpvStream::frameReady, &stream_->engine(),
                               [this] { invalidate(); });
  }
  invalidate();
}

void Video::setSmoothing(bool smoothing)
{
  smoothing_ = smoothing;
  invalidate();
}

int Video::videoWidth() const
{
  return stream_ ? stream_->engine().videoSize().width() : 0;
}

int Video::videoHeight() const
{
  return stream_ ? stream_->engine().videoSize().height() : 0;
}

void Video::paintContent(QPainter& painter) const
{
  if (!stream_) {
    return;
  }
  ::media::MpvStream& engine = stream_->engine();
  // Pictures are rendered at the size they take on screen, so that drawing them is a plain copy.
  const QSize onScreen = painter.worldTransform().mapRect(contentBounds()).size().toSize();
  if (!onScreen.isEmpty() && onScreen != engine.latestFrame().size()) {
    engine.setTargetSize(onScreen);
  }
  const QImage frame = engine.latestFrame();
  if (frame.isNull()) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smoothing_);
  painter.drawImage(contentBounds(), frame);
  painter.restore();
}

}  // namespace flash::media
