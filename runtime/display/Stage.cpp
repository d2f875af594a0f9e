#include "runtime/display/Stage.h"

#include "runtime/Player.h"
#include "runtime/Trace.h"
#include "runtime/events/FullScreenEvent.h"

#include <algorithm>

namespace flash::display {

Stage::Stage(QSize movieSize, Player* player)
    : player_(player), movieSize_(movieSize), viewSize_(movieSize), mouse_(*this)
{
}

QSize Stage::stageSize() const
{
  return scaleMode_ == StageScaleMode::NO_SCALE ? viewSize_ : movieSize_;
}

void Stage::setScaleMode(const QString& mode)
{
  const QSize before = stageSize();
  scaleMode_ = mode;
  invalidateArea(QRectF(QPointF(0, 0), QSizeF(stageSize())));
  dispatchResizeIfChanged(before);
}

void Stage::setAlign(const QString& align)
{
  align_ = align;
  invalidateArea(QRectF(QPointF(0, 0), QSizeF(stageSize())));
}

void Stage::setDisplayState(const QString& state)
{
  if (state == displayState_) {
    return;
  }
  if (state != StageDisplayState::NORMAL && state != StageDisplayState::FULL_SCREEN) {
    return;
  }
  if (!displayStateHandler_ || !displayStateHandler_(state == StageDisplayState::FULL_SCREEN)) {
    trace(QStringLiteral("The display state \"%1\" is not allowed here.").arg(state));
  }
}

void Stage::setViewSize(QSize size)
{
  if (size == viewSize_) {
    return;
  }
  const QSize before = stageSize();
  viewSize_ = size;
  dispatchResizeIfChanged(before);
}

QTransform Stage::viewTransform() const
{
  const double viewWidth = viewSize_.width();
  const double viewHeight = viewSize_.height();
  const double movieWidth = std::max(movieSize_.width(), 1);
  const double movieHeight = std::max(movieSize_.height(), 1);
  double scaleX = 1;
  double scaleY = 1;
  if (scaleMode_ == StageScaleMode::EXACT_FIT) {
    scaleX = viewWidth / movieWidth;
    scaleY = viewHeight / movieHeight;
  } else if (scaleMode_ == StageScaleMode::SHOW_ALL) {
    scaleX = scaleY = std::min(viewWidth / movieWidth, viewHeight / movieHeight);
  } else if (scaleMode_ == StageScaleMode::NO_BORDER) {
    scaleX = scaleY = std::max(viewWidth / movieWidth, viewHeight / movieHeight);
  }
  // The movie's own area is placed in the view by the alignment (centred on an axis without one).
  const double spareX = viewWidth - movieWidth * scaleX;
  const double spareY = viewHeight - movieHeight * scaleY;
  const double dx = align_.contains(QLatin1Char('L')) ? 0 : align_.contains(QLatin1Char('R')) ? spareX : spareX / 2;
  const double dy = align_.contains(QLatin1Char('T')) ? 0 : align_.contains(QLatin1Char('B')) ? spareY : spareY / 2;
  QTransform result;
  result.translate(dx, dy);
  result.scale(scaleX, scaleY);
  return result;
}

void Stage::displayStateChanged(bool fullScreen)
{
  const QString state = fullScreen ? StageDisplayState::FULL_SCREEN : StageDisplayState::NORMAL;
  if (state == displayState_) {
    return;
  }
  displayState_ = state;
  events::FullScreenEvent changed(events::FullScreenEvent::FULL_SCREEN, fullScreen);
  dispatchEvent(changed);
  events::Event resized(events::Event::RESIZE);
  dispatchEvent(resized);
}

void Stage::invalidateArea(const QRectF& stageArea) const
{
  if (repaintHandler_) {
    repaintHandler_(stageArea);
  }
}

void Stage::wakeFrameClock() const
{
  if (player_ != nullptr) {
    player_->wakeFrameClock();
  }
}

void Stage::dispatchResizeIfChanged(QSize before)
{
  // The whole view changes: an area around the stage large enough to cover it under any placement.
  invalidateArea(QRectF(QPointF(-viewSize_.width(), -viewSize_.height()), QSizeF(viewSize_) * 3));
  if (stageSize() != before) {
    events::Event resized(events::Event::RESIZE);
    dispatchEvent(resized);
  }
}

}  // namespace flash::display
