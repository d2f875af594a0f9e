#include "runtime/net/URLLoader.h"

#include "runtime/Errors.h"
#include "runtime/Player.h"
#include "runtime/Trace.h"
#include "runtime/events/ErrorEvent.h"
#include "runtime/events/ProgressEvent.h"

namespace flash::net {

URLLoader::URLLoader(Player& player) : player_(player) {}

URLLoader::~URLLoader() = default;

void URLLoader::load(const URLRequest& request)
{
  if (request.url.isEmpty()) {
    throw ArgumentError("Error #2007: Parameter url must be non-null.");
  }
  bytesLoaded_ = 0;
  bytesTotal_ = 0;
  const QString url = request.url;
  fetch_ = std::make_unique<ResourceFetch>(
      player_, request,
      [this](qint64 loaded, qint64 total) {
        bytesLoaded_ = loaded;
        bytesTotal_ = total;
        runGuarded(QStringLiteral("a progress listener"), [&] {
          events::ProgressEvent progress(loaded, total);
          dispatchEvent(progress);
        });
      },
      [this, url](ResourceFetch::Outcome outcome) { finished(url, std::move(outcome)); });
}

void URLLoader::close()
{
  fetch_.reset();
}

void URLLoader::finished(const QString& url, ResourceFetch::Outcome outcome)
{
  const auto keep = weak_from_this().lock();
  runGuarded(QStringLiteral("a load listener"), [&] {
    switch (outcome.kind) {
      case ResourceFetch::Outcome::Kind::Loaded: {
        data_ = player_.system().decodeText(outcome.data);
        bytesLoaded_ = outcome.data.size();
        bytesTotal_ = std::max(bytesTotal_, bytesLoaded_);
        events::Event complete(events::Event::COMPLETE);
        dispatchEvent(complete);
        break;
      }
      case ResourceFetch::Outcome::Kind::IoError: {
        trace(QStringLiteral("URLLoader: %1: %2").arg(url, outcome.reason));
        events::IOErrorEvent error(QStringLiteral("Error #2032: Stream Error. URL: ") + url);
        dispatchEvent(error);
        break;
      }
      case ResourceFetch::Outcome::Kind::SecurityError: {
        events::SecurityErrorEvent error(
            QStringLiteral("Error #2048: Security sandbox violation: cannot load data from ") + url + QLatin1Char('.'));
        dispatchEvent(error);
        break;
      }
    }
  });
}

}  // namespace flash::net
