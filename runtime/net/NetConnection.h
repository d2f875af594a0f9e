#pragma once

#include "runtime/events/EventDispatcher.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace media {
class RtmpConnector;
}

namespace flash::net {

// A connection for streams: local (connect with null: files and progressive addresses, reported
// connected during the call) or to a media server over RTMP (reported later, from a worker).
class NetConnection : public events::EventDispatcher {
 public:
  NetConnection();
  ~NetConnection() override;

  // null (an invalid or null QVariant) for a local connection, else a server address "rtmp://...".
  void connect(const QVariant& command);
  void close();

  bool connected() const { return connected_; }
  // The server address, or "null" for a local connection.
  QString uri() const { return uri_; }
  bool isLocal() const { return local_; }

 private:
  void report(const QString& code, const QString& level);

  std::unique_ptr<::media::RtmpConnector> connector_;
  QString uri_;
  bool connected_ = false;
  bool local_ = false;
};

}  // namespace flash::net
