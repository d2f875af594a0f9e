#pragma once

#include "runtime/events/EventDispatcher.h"
#include "runtime/net/ResourceFetch.h"
#include "runtime/net/URLRequest.h"

#include <memory>

namespace flash {
class Player;
}

namespace flash::net {

namespace URLLoaderDataFormat {
inline const QString TEXT = QStringLiteral("text");
}  // namespace URLLoaderDataFormat

// Loads an address as text. Sends "progress" while data arrives, then exactly one of "complete" (data
// holds the text), "ioError" or "securityError", always after load() has returned. A new load replaces
// the one under way, which then reports nothing.
class URLLoader : public events::EventDispatcher {
 public:
  explicit URLLoader(Player& player);
  ~URLLoader() override;

  const QString& dataFormat() const { return dataFormat_; }
  const QString& data() const { return data_; }
  qint64 bytesLoaded() const { return bytesLoaded_; }
  qint64 bytesTotal() const { return bytesTotal_; }

  // Throws ArgumentError for a request without an address.
  void load(const URLRequest& request);
  void close();

 private:
  void finished(const QString& url, ResourceFetch::Outcome outcome);

  Player& player_;
  QString dataFormat_ = URLLoaderDataFormat::TEXT;
  QString data_;
  qint64 bytesLoaded_ = 0;
  qint64 bytesTotal_ = 0;
  std::unique_ptr<ResourceFetch> fetch_;
};

}  // namespace flash::net
