#pragma once

#include "movie/classes/CLoader.h"
#include "runtime/display/SimpleButton.h"

#include <memory>

namespace classes {

// A button that shows two loaded images: the first when idle (it is also what takes clicks), the second
// while the pointer is over it or presses it. Until both are in, it shows a 50 × 30 placeholder, white
// when idle and red under the pointer. ON_BUTTON_LOAD tells that the images are shown; a button whose
// image failed keeps its placeholder and never sends it.
class LoadedButton : public flash::display::SimpleButton {
 public:
  static inline const QString ON_BUTTON_LOAD = QStringLiteral("onButtonLoad");

  LoadedButton(flash::Player& player, const QString& first, const QString& second);

  std::shared_ptr<CLoader> loader;

 private:
  void onLoadAllCompleted();
};

}  // namespace classes
