#pragma once

#include "movie/classes/DeferredCall.h"
#include "runtime/display/Loader.h"
#include "runtime/events/EventDispatcher.h"

#include <QVariantMap>

#include <memory>

namespace classes {

// Loads display content (an image or a movie) with a new display loader per load, and reports each load
// with exactly one CLoader.LOAD_COMPLETED or CLoader.LOAD_ERROR (code 1002), after load() has returned.
class CLoaderSWF : public flash::events::EventDispatcher {
 public:
  explicit CLoaderSWF(flash::Player& player);

  // `param` is not used.
  void load(const QString& url, const QVariantMap& param);
  // The display loader of the last load; its content is the loaded object.
  const std::shared_ptr<flash::display::Loader>& getLoadedObject() const { return loader; }

  std::shared_ptr<flash::display::Loader> loader;
  std::shared_ptr<flash::display::LoaderInfo> loaderInfo;
  std::shared_ptr<flash::display::DisplayObject> loaded_object;

 private:
  void sendError();

  flash::Player& player_;
  DeferredCall deferred_;
};

}  // namespace classes
