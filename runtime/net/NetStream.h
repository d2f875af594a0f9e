#pragma once

#include "runtime/events/EventDispatcher.h"
#include "runtime/media/SoundTransform.h"

#include <QImage>
#include <QVariantMap>

#include <memory>

namespace media {
class MpvStream;
}

namespace flash {
class Player;
}

namespace flash::net {

class NetConnection;

// The object a stream calls by name when the file carries data messages.
class NetStreamClient {
 public:
  virtual ~NetStreamClient() = default;
  virtual void onMetaData(const QVariantMap& /*info*/) {}
  virtual void onCuePoint(const QVariantMap& /*info*/) {}
  virtual void onPlayStatus(const QVariantMap& /*info*/) {}
};

// A stream played over a connection: a file path, a progressive address, a path relative to the movie
// (served by the host) or a stream name on the connection's server.
class NetStream : public events::EventDispatcher {
 public:
  NetStream(Player& player, std::shared_ptr<NetConnection> connection);
  ~NetStream() override;

  double bufferTime() const { return bufferTime_; }
  void setBufferTime(double seconds) { bufferTime_ = seconds; }
  const std::shared_ptr<NetStreamClient>& client() const { return client_; }
  void setClient(std::shared_ptr<NetStreamClient> client) { client_ = std::move(client); }

  void play(const QString& name);
  void pause();
  void resume();
  void seek(double seconds);
  void close();
  double time() const;

  media::SoundTransform soundTransform() const { return soundTransform_; }
  void setSoundTransform(const media::SoundTransform& transform);

  // Where the stream's pictures come from; Video shows them.
  ::media::MpvStream& engine() const { return *engine_; }

 private:
  QString locationOf(const QString& name);
  void report(const QString& code, const QString& level);

  Player& player_;
  std::shared_ptr<NetConnection> connection_;
  std::unique_ptr<::media::MpvStream> engine_;
  std::shared_ptr<NetStreamClient> client_;
  std::shared_ptr<QIODevice> hostResource_;
  media::SoundTransform soundTransform_;
  double bufferTime_ = 0.1;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace flash::net
