#pragma once

#include "runtime/display/Bitmap.h"
#include "runtime/display/MovieClip.h"
#include "runtime/events/MouseEvent.h"

#include <memory>
#include <vector>

namespace flash {
class Player;
namespace utils {
class Timer;
}
}  // namespace flash

namespace classes {

// The seek bar: a track, a fill from the left edge to the position, and a handle at the fill's end.
// The user seeks by a click on the track right of the fill or by dragging the handle.
class TimeLine : public flash::display::MovieClip {
 public:
  static inline const QString ON_TIMELINE_LOAD = QStringLiteral("onTimelineLoad");
  static inline const QString ON_TIMELINE_CHANGE = QStringLiteral("onTimelineChange");

  explicit TimeLine(flash::Player& player);
  ~TimeLine() override;

  // Builds the built-in look from the handle, left cap, centre, right cap and fill bitmaps.
  void defaultInit(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts);
  void setWidth(double width) override;
  double width() const override { return MovieClip::width(); }
  void setDuration(double seconds) { duration = seconds; }
  void setPos(double seconds);
  double getPosition() const { return position; }
  void stageMouseUp(flash::events::MouseEvent& event);

  // The handle's travel: the track width less the handle's width.
  double seekSpan() const;

  double timeline_width = 300;
  double timeline_height = 7;
  bool mouse_down = false;
  double duration = 0;
  double position = 0;
  std::shared_ptr<flash::display::Bitmap> bm_d, bm_l, bm_c, bm_r, bm_f;
  std::shared_ptr<flash::display::MovieClip> mc;
  std::shared_ptr<flash::display::Bitmap> timeline;
  std::shared_ptr<flash::display::MovieClip> mc_drag;
  std::shared_ptr<flash::utils::Timer> timer;

 private:
  void build(bool skinned);
  void setPosition();
  void onTrackRelease(flash::events::MouseEvent& event);
  void endDrag(flash::events::MouseEvent& event);
  double trackX(const flash::events::MouseEvent& event) const;

  flash::Player& player_;
};

}  // namespace classes
