#pragma once

#include "runtime/Player.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace classes {

// Runs code of the movie from the event loop once the current call is over, unless the owner of this
// object is gone or the movie has ended by then.
class DeferredCall {
 public:
  explicit DeferredCall(flash::Player& player) : player_(player) {}

  void later(std::function<void()> code)
  {
    QTimer::singleShot(0, context_.get(), [this, code = std::move(code)] {
      if (!player_.isShutDown()) {
        code();
      }
    });
  }

 private:
  flash::Player& player_;
  std::unique_ptr<QObject> context_ = std::make_unique<QObject>();
};

}  // namespace classes
