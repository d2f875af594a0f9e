#pragma once

#include "runtime/display/DisplayObjectContainer.h"
#include "runtime/display/LoaderInfo.h"
#include "runtime/net/ResourceFetch.h"
#include "runtime/net/URLRequest.h"

#include <memory>

namespace flash {
class Player;
}

namespace flash::display {

// Loads an image or movie file and shows it as its only child. Its contentLoaderInfo() sends "progress",
// then "complete" once content() is there or "ioError" when the file could not be read or is of no type
// the runtime shows; always after load() has returned.
class Loader : public DisplayObjectContainer {
 public:
  explicit Loader(Player& player);
  ~Loader() override;

  const std::shared_ptr<LoaderInfo>& contentLoaderInfo() const { return info_; }
  const std::shared_ptr<DisplayObject>& content() const { return info_->content(); }

  // Throws SecurityError for an address whose scheme may not be loaded, ArgumentError for none.
  void load(const net::URLRequest& request);
  void close();
  // Drops the content.
  void unload();

 private:
  void finished(net::ResourceFetch::Outcome outcome);

  Player& player_;
  std::shared_ptr<LoaderInfo> info_;
  std::unique_ptr<net::ResourceFetch> fetch_;
};

}  // namespace flash::display
