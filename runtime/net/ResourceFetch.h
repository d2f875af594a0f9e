#pragma once

#include "runtime/net/URLRequest.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkReply;
class QObject;

namespace flash {
class Player;
}

namespace flash::net {

// One load of an address for the movie, the way every loader of the runtime reads:
// - "http:" and "https:" through the network, with the request's method, form data and headers;
// - "file:" and absolute paths from disk;
// - a relative path from the host first, then from the folder of the movie's own location;
// - any other scheme is refused.
// Nothing happens during the constructor: progress and the outcome come later from the event loop, so a
// caller always gets its load call back first. Destroying the fetch cancels it; so does the movie's end.
class ResourceFetch {
 public:
  struct Outcome {
    enum class Kind { Loaded, IoError, SecurityError };
    Kind kind = Kind::IoError;
    QByteArray data;
    QString reason;  // why it failed, for diagnostics
  };
  using Progress = std::function<void(qint64 bytesLoaded, qint64 bytesTotal)>;
  using Done = std::function<void(Outcome outcome)>;

  ResourceFetch(Player& player, URLRequest request, Progress progress, Done done);
  ~ResourceFetch();
  ResourceFetch(const ResourceFetch&) = delete;
  ResourceFetch& operator=(const ResourceFetch&) = delete;

  // Whether an address may be loaded at all (its scheme is one of the above, or it has none).
  static bool isAllowedAddress(const QString& address);

 private:
  void begin();
  void route(const QUrl& url);
  void fromHostOrMovieFolder();
  void fromNetwork(const QUrl& url);
  void finish(Outcome outcome);

  Player& player_;
  URLRequest request_;
  Progress progress_;
  Done done_;
  std::unique_ptr<QObject> context_;
  QPointer<QNetworkReply> reply_;
};

}  // namespace flash::net
