#pragma once

#include "movie/classes/DeferredCall.h"
#include "runtime/events/EventDispatcher.h"
#include "runtime/net/URLLoader.h"

#include <QVariantMap>

#include <memory>

namespace classes {

// Fetches text with one text loader: the parameter's `vars` go as form variables, its `method` chooses
// GET (only for exactly "GET") or POST, and every request carries "pragma: no-cache". Each load ends in
// exactly one CLoader.LOAD_COMPLETED or CLoader.LOAD_ERROR (1000 refused, 1001 read error, 1002 not
// started), after load() has returned.
class CLoaderPHP : public flash::events::EventDispatcher {
 public:
  explicit CLoaderPHP(flash::Player& player);

  void load(const QString& url, const QVariantMap& param);
  const QString& getLastData() const { return last_data; }

  std::shared_ptr<flash::net::URLLoader> loader;
  QString last_data;

 private:
  void sendError(int code);

  DeferredCall deferred_;
};

}  // namespace classes
