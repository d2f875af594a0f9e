#include "runtime/net/NetConnection.h"

#include "runtime/events/ErrorEvent.h"
#include "runtime/events/NetStatusEvent.h"
#include "runtime/media/RtmpConnector.h"

namespace flash::net {

namespace {

const QString kStatus = QStringLiteral("status");
const QString kError = QStringLiteral("error");

}  // namespace

NetConnection::NetConnection() = default;

NetConnection::~NetConnection() = default;

void NetConnection::report(const QString& code, const QString& level)
{
  events::NetStatusEvent event(code, level);
  dispatchEvent(event);
}

void NetConnection::connect(const QVariant& command)
{
  close();
  const bool none = !command.isValid() || command.isNull() || command.metaType().id() == QMetaType::Nullptr;
  if (none) {
    local_ = true;
    connected_ = true;
    uri_ = QStringLiteral("null");
    report(QStringLiteral("NetConnection.Connect.Success"), kStatus);
    return;
  }
  local_ = false;
  uri_ = command.toString();
  const QString scheme = uri_.section(QLatin1Char(':'), 0, 0).toLower();
  if (uri_.contains(QLatin1Char(':')) && scheme != QLatin1String("rtmp")) {
    // Streams come from media servers only: any other kind of address is refused outright.
    events::SecurityErrorEvent refused(
        QStringLiteral("Error #2028: a connection to %1 is not allowed: only rtmp servers serve streams").arg(uri_));
    dispatchEvent(refused);
    return;
  }
  connector_ = std::make_unique<::media::RtmpConnector>();
  QObject::connect(connector_.get(), &::media::RtmpConnector::finished, connector_.get(), [this](const QString& code) {
    connected_ = code == QLatin1String("NetConnection.Connect.Success");
    report(code, connected_ ? kStatus : kError);
  });
  connector_->connectTo(uri_);
}

void NetConnection::close()
{
  connector_.reset();
  const bool wasConnected = connected_;
  connected_ = false;
  if (wasConnected && !local_) {
    report(QStringLiteral("NetConnection.Connect.Closed"), kStatus);
  }
}

}  // namespace flash::net
