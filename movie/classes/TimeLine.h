#pragma once

#include "movie/classes/CLoader.h"
#include "runtime/display/Bitmap.h"
#include "runtime/display/MovieClip.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/utils/Timer.h"

#include <QVariantMap>

#include <memory>
#include <vector>

namespace classes {

// The seek bar: a track of three pieces, a fill from the left edge to the current position and a handle
// at the fill's end. The user seeks by clicking the track right of the fill or by dragging the handle;
// ON_TIMELINE_CHANGE then tells the owner to read getPosition(). Times are seconds, geometry pixels of the
// control, with the seek span S = track width − handle width.
class TimeLine : public flash::display::MovieClip {
 public:
  static inline const QString ON_TIMELINE_LOAD = QStringLiteral("onTimelineLoad");
  static inline const QString ON_TIMELINE_CHANGE = QStringLiteral("onTimelineChange");

  explicit TimeLine(flash::Player& player);

  // Built-in look, at once, from the handle, left cap, centre, right cap and fill bitmaps.
  void defaultInit(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts);
  // Skinned look from the images named by `drag`, `tl_l`, `tl_c`, `tl_r` and `tl_f`; built, and
  // ON_TIMELINE_LOAD sent, once all five are in. If one fails or is no bitmap, nothing is built and the
  // event is never sent.
  void loadControl(const QVariantMap& skin);

  // The track width: re-lays the centre and right cap and recomputes the position from the fill. For this
  // control, setting the width never scales it.
  void setWidth(double w) override;
  void setDuration(double d) { duration = d; }
  // Shows time t, unless the user is dragging or the duration is unknown (0).
  void setPos(double t);
  double getPosition() const { return position; }
  // The owner forwards every mouse release on the stage here: it ends a drag.
  void stageMouseUp(flash::events::MouseEvent& event);

  double timeline_width = 300;
  double timeline_height = 7;
  bool mouse_down = false;
  double duration = 0;
  double position = 0;
  std::shared_ptr<CLoader> loader;
  std::shared_ptr<flash::display::Bitmap> bm_d;
  std::shared_ptr<flash::display::Bitmap> bm_l;
  std::shared_ptr<flash::display::Bitmap> bm_c;
  std::shared_ptr<flash::display::Bitmap> bm_r;
  std::shared_ptr<flash::display::Bitmap> bm_f;
  std::shared_ptr<flash::display::MovieClip> mc;
  std::shared_ptr<flash::display::Bitmap> timeline;
  std::shared_ptr<flash::display::MovieClip> mc_drag;
  std::shared_ptr<flash::utils::Timer> timer;

 private:
  // Takes the handle, left cap, centre, right cap and fill, in that order, and builds the control.
  void build(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts, bool skinned);
  void onLoadAllCompleted();
  double seekSpan() const;
  double trackX(const flash::events::MouseEvent& event) const;
  void setFillWidth(double width);
  // Position from fill.
  void setPosition();
  void onTrackRelease(flash::events::MouseEvent& event);
  void onHandlePress(flash::events::MouseEvent& event);
  void onHandleRelease(flash::events::MouseEvent& event);
  void onMove(flash::events::MouseEvent& event);
  void onTick();

  flash::Player& player_;
};

}  // namespace classes
