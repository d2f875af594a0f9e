#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace media {

// Connects to a media server (RTMP handshake and "connect" command) on a worker thread and reports
// the server's answer on the GUI thread as a connection status code:
// "NetConnection.Connect.Success", "NetConnection.Connect.Rejected" (the server refused the
// application) or "NetConnection.Connect.Failed" (no server, no handshake, bad address).
class RtmpConnector : public QObject {
  Q_OBJECT
 public:
  explicit RtmpConnector(QObject* parent = nullptr);
  ~RtmpConnector() override;

  void connectTo(const QString& address);

  // The blocking connection step itself, as the worker runs it.
  static QString Connect(const QString& address, int timeoutSeconds);

 signals:
  void finished(const QString& code);

 private:
  // Shared with the workers: cleared when this object goes, so a late answer is dropped.
  std::shared_ptr<bool> alive_;
};

}  // namespace media
