#pragma once

#include "runtime/events/EventDispatcher.h"

#include <QString>

#include <memory>

namespace flash::display {

class DisplayObject;
class Loader;

namespace ContentType {
inline const QString SWF = QStringLiteral("application/x-shockwave-flash");
}  // namespace ContentType

// What a Loader has loaded, and the dispatcher of its load events: "progress", then "complete" or
// "ioError". The movie facts are those of a loaded SWF file's header (0 for other content).
class LoaderInfo : public events::EventDispatcher {
 public:
  explicit LoaderInfo(Loader& loader) : loader_(loader) {}

  Loader& loader() const { return loader_; }
  const QString& url() const { return url_; }
  const std::shared_ptr<DisplayObject>& content() const { return content_; }
  const QString& contentType() const { return contentType_; }
  qint64 bytesLoaded() const { return bytesLoaded_; }
  qint64 bytesTotal() const { return bytesTotal_; }
  int width() const { return width_; }
  int height() const { return height_; }
  int swfVersion() const { return swfVersion_; }
  int actionScriptVersion() const { return actionScriptVersion_; }
  double frameRate() const { return frameRate_; }

 private:
  friend class Loader;
  Loader& loader_;
  QString url_;
  std::shared_ptr<DisplayObject> content_;
  QString contentType_;
  qint64 bytesLoaded_ = 0;
  qint64 bytesTotal_ = 0;
  int width_ = 0;
  int height_ = 0;
  int swfVersion_ = 0;
  int actionScriptVersion_ = 0;
  double frameRate_ = 0;
};

}  // namespace flash::display
