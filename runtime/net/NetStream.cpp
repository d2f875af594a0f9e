#include "runtime/net/NetStream.h"

#include "runtime/Player.h"
#include "runtime/events/NetStatusEvent.h"
#include "runtime/media/MpvStream.h"
#include "runtime/net/NetConnection.h"

#include <QDir>
#include <QUrl>

namespace flash::net {

namespace {

bool IsRelativePath(const QString& name)
{
  return QUrl(name).scheme().isEmpty() && QDir::isRelativePath(name);
}

}  // namespace

NetStream::NetStream(Player& player, std::shared_ptr<NetConnection> connection)
    : player_(player), connection_(std::move(connection)), engine_(std::make_unique<::media::MpvStream>())
{
  QObject::connect(engine_.get(), &::media::MpvStream::status, engine_.get(),
                   [this](const QString& code, const QString& level) { report(code, level); });
  QObject::connect(engine_.get(), &::media::MpvStream::metadata, engine_.get(), [this](const QVariantMap& info) {
    if (client_) {
      client_->onMetaData(info);
    }
  });
  player_.addShutdownHook([engine = engine_.get(), alive = std::weak_ptr<bool>(alive_)] {
    if (!alive.expired()) {
      engine->close();
    }
  });
}

NetStream::~NetStream() = default;

void NetStream::report(const QString& code, const QString& level)
{
  events::NetStatusEvent event(code, level);
  dispatchEvent(event);
}

void NetStream::play(const QString& name)
{
  if (!connection_ || !connection_->connected()) {
    report(QStringLiteral("NetStream.Play.Failed"), QStringLiteral("error"));
    return;
  }
  if (!connection_->isLocal()) {
    engine_->play(connection_->uri() + QLatin1Char('/') + name);
    return;
  }
  if (IsRelativePath(name)) {
    // A path relative to the movie is the host's first: it may serve the content itself.
    if (const std::shared_ptr<QIODevice> resource = player_.openExternalResource(name)) {
      engine_->playData(resource->readAll(), name);
      return;
    }
  }
  engine_->play(name);
}

void NetStream::pause()
{
  engine_->pause();
}

void NetStream::resume()
{
  engine_->resume();
}

void NetStream::seek(double seconds)
{
  engine_->seek(seconds);
}

void NetStream::close()
{
  engine_->close();
}

double NetStream::time() const
{
  return engine_->time();
}

void NetStream::setSoundTransform(const media::SoundTransform& transform)
{
  soundTransform_ = transform;
  engine_->setVolume(transform.volume);
}

}  // namespace flash::net
