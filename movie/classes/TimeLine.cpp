#include "movie/classes/TimeLine.h"

#include "runtime/Player.h"
#include "runtime/events/TimerEvent.h"
#include "runtime/utils/Timer.h"

#include <cmath>

namespace classes {

using flash::events::Event;
using flash::events::MouseEvent;

TimeLine::TimeLine(flash::Player& player) : player_(player) {}

TimeLine::~TimeLine()
{
  if (timer) {
    timer->stop();
  }
}

void TimeLine::defaultInit(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts)
{
  if (parts.size() != 5) {
    return;
  }
  bm_d = parts[0];
  bm_l = parts[1];
  bm_c = parts[2];
  bm_r = parts[3];
  bm_f = parts[4];
  build(false);
}

void TimeLine::build(bool skinned)
{
  const double W = timeline_width;
  const double H = timeline_height;
  mc = std::make_shared<flash::display::MovieClip>();
  bm_l->setX(0);
  bm_l->setHeight(H);
  bm_l->setWidth(10);
  bm_r->setWidth(10);
  mc->addChild(bm_l);
  bm_c->setX(bm_l->width());
  bm_c->setWidth(W - (bm_l->width() + bm_r->width()));
  bm_c->setHeight(H);
  mc->addChild(bm_c);
  bm_r->setX(W - bm_r->width());
  bm_r->setHeight(H);
  mc->addChild(bm_r);
  mc->addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP, [this](MouseEvent& event) { onTrackRelease(event); });
  addChild(mc);

  timeline = bm_f;
  timeline->setX(0);
  timeline->setWidth(0);
  timeline->setHeight(H);
  addChild(timeline);

  mc_drag = std::make_shared<flash::display::MovieClip>();
  mc_drag->setX(0);
  mc_drag->setY(skinned ? 0 : -1);
  mc_drag->setButtonMode(!skinned);
  bm_d->setY(-bm_d->height() / 2 + 4);
  bm_d->setHeight(H + 2);
  bm_d->setWidth(skinned ? H : 4);
  mc_drag->addChild(bm_d);
  addChild(mc_drag);

  mc_drag->addTypedListener<MouseEvent>(MouseEvent::MOUSE_DOWN, [this](MouseEvent&) {
    mc_drag->startDrag(false, QRectF(0, mc_drag->y(), seekSpan(), 0));
    mouse_down = true;
  });
  mc_drag->addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP, [this](MouseEvent& event) { endDrag(event); });
  addTypedListener<MouseEvent>(MouseEvent::MOUSE_MOVE, [this](MouseEvent& event) {
    if (duration != 0 && mouse_down) {
      timeline->setWidth(trackX(event));
    }
  });

  timer = std::make_shared<flash::utils::Timer>(player_.clock(), 50);
  timer->addEventListener(flash::events::TimerEvent::TIMER, [this](Event&) {
    if (mc_drag) {
      timeline->setWidth(mc_drag->x());
    }
  });
  timer->start();
  if (skinned) {
    Event loaded(ON_TIMELINE_LOAD);
    dispatchEvent(loaded);
  }
}

double TimeLine::seekSpan() const
{
  return timeline_width - (mc_drag ? mc_drag->width() : 0);
}

double TimeLine::trackX(const MouseEvent& event) const
{
  return globalToLocal(QPointF(event.stageX(), event.stageY())).x();
}

void TimeLine::setWidth(double width)
{
  timeline_width = width;
  if (bm_c) {
    bm_c->setWidth(width - (bm_l->width() + bm_r->width()));
  }
  if (bm_r) {
    bm_r->setX(width - bm_r->width());
  }
  if (timeline) {
    setPosition();
  }
}

void TimeLine::setPos(double seconds)
{
  if (mouse_down || duration == 0 || !timeline) {
    return;
  }
  double px = std::ceil((seconds / duration) * seekSpan()) - 1;
  if (px < 0) {
    px = 0;
  }
  timeline->setWidth(px);
  mc_drag->setX(px);
  position = seconds;
}

void TimeLine::setPosition()
{
  if (duration == 0) {
    return;
  }
  position = std::ceil((timeline->width() / seekSpan()) * duration) - 1;
  if (position > duration) {
    position = duration - 1;
  }
}

void TimeLine::onTrackRelease(MouseEvent& event)
{
  if (duration == 0) {
    return;
  }
  const double x = trackX(event);
  if (x < seekSpan()) {
    timeline->setWidth(x);
    mc_drag->setX(x);
    setPosition();
    Event changed(ON_TIMELINE_CHANGE);
    dispatchEvent(changed);
  }
}

void TimeLine::endDrag(MouseEvent& event)
{
  if (!mc_drag) {
    return;
  }
  mc_drag->stopDrag();
  if (!mouse_down) {
    return;
  }
  // A release while the length is unknown still ends the drag, so the bar follows the stream again.
  if (duration != 0) {
    // Left of the track start the fill is empty: the position is the start, not a negative time.
    timeline->setWidth(std::max(0.0, trackX(event)));
    setPosition();
    position = std::max(0.0, position);
    Event changed(ON_TIMELINE_CHANGE);
    dispatchEvent(changed);
  }
  mouse_down = false;
}

void TimeLine::stageMouseUp(MouseEvent& event)
{
  endDrag(event);
}

}  // namespace classes
