#pragma once

#include "runtime/display/MovieClip.h"
#include "runtime/display/Sprite.h"
#include "runtime/display/Stage.h"
#include "runtime/events/MouseEvent.h"

#include <QUrl>

#include <memory>

namespace classes {

// The notice shown instead of the player when the runtime is older than version 9: a red backdrop over the
// whole stage, a message and an "Install" link to the download page. It is laid out from the stage size
// at construction and does not follow later resizes.
class VersionDetect : public flash::display::MovieClip {
 public:
  explicit VersionDetect(const flash::display::Stage& stage);

  // True when the running runtime is version 9 or later.
  bool checkVersion() const;
  // The check on a version text such as "LNX 9,0,0,0": major, minor and revision are compared one by one
  // with 9, 0 and 0; a part that is not a number fails no comparison.
  static bool checkVersionText(const QString& version);

  void onClickInstall(flash::events::MouseEvent& event);

  static QUrl downloadPage();

  std::shared_ptr<flash::display::Sprite> sp;
};

}  // namespace classes
