#pragma once

#include "runtime/display/DisplayObjectContainer.h"
#include "runtime/display/MouseInput.h"

#include <QSize>

#include <functional>

namespace flash {
class Player;
}

namespace flash::display {

namespace StageScaleMode {
inline const QString SHOW_ALL = QStringLiteral("showAll");
inline const QString EXACT_FIT = QStringLiteral("exactFit");
inline const QString NO_BORDER = QStringLiteral("noBorder");
inline const QString NO_SCALE = QStringLiteral("noScale");
}  // namespace StageScaleMode

namespace StageAlign {
inline const QString TOP = QStringLiteral("T");
inline const QString BOTTOM = QStringLiteral("B");
inline const QString LEFT = QStringLiteral("L");
inline const QString RIGHT = QStringLiteral("R");
inline const QString TOP_LEFT = QStringLiteral("TL");
inline const QString TOP_RIGHT = QStringLiteral("TR");
inline const QString BOTTOM_LEFT = QStringLiteral("BL");
inline const QString BOTTOM_RIGHT = QStringLiteral("BR");
}  // namespace StageAlign

namespace StageDisplayState {
inline const QString NORMAL = QStringLiteral("normal");
inline const QString FULL_SCREEN = QStringLiteral("fullScreen");
}  // namespace StageDisplayState

// The root of the display list. Its size comes from the host's view: with scale mode "noScale" the stage
// is as large as the view, otherwise it keeps the movie's size and is scaled into the view.
class Stage : public DisplayObjectContainer {
 public:
  // `movieSize` is the size the movie was made for.
  explicit Stage(QSize movieSize, Player* player = nullptr);

  Stage* stage() const override { return const_cast<Stage*>(this); }
  Player* player() const { return player_; }
  MouseInput& mouseInput() { return mouse_; }

  int stageWidth() const { return stageSize().width(); }
  int stageHeight() const { return stageSize().height(); }
  QSize stageSize() const;
  const QString& scaleMode() const { return scaleMode_; }
  void setScaleMode(const QString& mode);
  const QString& align() const { return align_; }
  void setAlign(const QString& align);
  double frameRate() const { return frameRate_; }
  void setFrameRate(double rate) { frameRate_ = rate; }

  const QString& displayState() const { return displayState_; }
  // Asks the host for the state; a host that refuses leaves the state as it is.
  void setDisplayState(const QString& state);

  // Host side ---------------------------------------------------------------------------------------
  // The view's size in pixels; dispatches "resize" when the stage size changes.
  void setViewSize(QSize size);
  QSize viewSize() const { return viewSize_; }
  // Stage space → view space.
  QTransform viewTransform() const;
  // The host answers display-state requests: true when it switched.
  void setDisplayStateHandler(std::function<bool(bool fullScreen)> handler) { displayStateHandler_ = std::move(handler); }
  // The host's state changed (including Escape): dispatches "fullScreen", then "resize".
  void displayStateChanged(bool fullScreen);
  // Stage-space areas that need painting are reported here.
  void setRepaintHandler(std::function<void(const QRectF&)> handler) { repaintHandler_ = std::move(handler); }
  void invalidateArea(const QRectF& stageArea) const;

  void wakeFrameClock() const;

 private:
  void dispatchResizeIfChanged(QSize before);

  Player* player_;
  QSize movieSize_;
  QSize viewSize_;
  QString scaleMode_ = StageScaleMode::SHOW_ALL;
  QString align_;
  QString displayState_ = StageDisplayState::NORMAL;
  double frameRate_ = 12;
  MouseInput mouse_;
  std::function<bool(bool)> displayStateHandler_;
  std::function<void(const QRectF&)> repaintHandler_;
};

}  // namespace flash::display
