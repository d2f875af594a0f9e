#include "movie/classes/TimeLine.h"

#include "runtime/Player.h"
#include "runtime/events/TimerEvent.h"

#include <QRectF>

#include <cmath>

namespace classes {

using flash::events::MouseEvent;

TimeLine::TimeLine(flash::Player& player) : loader(std::make_shared<CLoader>(player)), player_(player) {}

void TimeLine::defaultInit(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts)
{
  build(parts, false);
}

void TimeLine::loadControl(const QVariantMap& skin)
{
  for (const char* part : {"drag", "tl_l", "tl_c", "tl_r", "tl_f"}) {
    loader->addToLoad(loader->TYPE_FLASH, skin.value(QString::fromLatin1(part)).toString());
  }
  loader->startLoad();
  loader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](flash::events::Event&) { onLoadAllCompleted(); });
}

void TimeLine::onLoadAllCompleted()
{
  const auto& results = loader->getLoadedData();
  std::vector<std::shared_ptr<flash::display::Bitmap>> bitmaps;
  for (const LoadResult& result : results) {
    auto bitmap = std::dynamic_pointer_cast<flash::display::Bitmap>(result.content());
    if (!bitmap) {
      return;
    }
    bitmaps.push_back(std::move(bitmap));
  }
  build(bitmaps, true);
}

void TimeLine::build(const std::vector<std::shared_ptr<flash::display::Bitmap>>& parts, bool skinned)
{
  if (parts.size() < 5) {
    return;
  }
  bm_d = parts[0];
  bm_l = parts[1];
  bm_c = parts[2];
  bm_r = parts[3];
  bm_f = parts[4];
  const double w = timeline_width;
  const double h = timeline_height;
  mc = std::make_shared<flash::display::MovieClip>();

  bm_l->setX(0);
  bm_l->setHeight(h);
  bm_l->setWidth(10);
  bm_r->setWidth(10);
  mc->addChild(bm_l);
  bm_c->setX(bm_l->width());
  bm_c->setWidth(w - (bm_l->width() + bm_r->width()));
  bm_c->setHeight(h);
  mc->addChild(bm_c);
  bm_r->setX(w - bm_r->width());
  bm_r->setHeight(h);
  mc->addChild(bm_r);
  mc->addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP, [this](MouseEvent& event) { onTrackRelease(event); });
  addChild(mc);

  bm_f->setX(0);
  bm_f->setWidth(0);
  bm_f->setHeight(h);
  timeline = bm_f;
  addChild(timeline);

  mc_drag = std::make_shared<flash::display::MovieClip>();
  mc_drag->setX(0);
  mc_drag->setY(skinned ? 0 : -1);
  mc_drag->setButtonMode(!skinned);
  bm_d->setY(-bm_d->height() / 2 + 4);
  bm_d->setHeight(h + 2);
  bm_d->setWidth(skinned ? h : 4);
  mc_drag->addChild(bm_d);
  addChild(mc_drag);

  mc_drag->addTypedListener<MouseEvent>(MouseEvent::MOUSE_DOWN, [this](MouseEvent& event) { onHandlePress(event); });
  mc_drag->addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP, [this](MouseEvent& event) { onHandleRelease(event); });
  addTypedListener<MouseEvent>(MouseEvent::MOUSE_MOVE, [this](MouseEvent& event) { onMove(event); });

  timer = std::make_shared<flash::utils::Timer>(player_.clock(), 50, 0);
  timer->addEventListener(flash::events::TimerEvent::TIMER, [this](flash::events::Event&) { onTick(); });
  timer->start();

  if (skinned) {
    flash::events::Event loaded(ON_TIMELINE_LOAD);
    dispatchEvent(loaded);
  }
}

double TimeLine::seekSpan() const
{
  return timeline_width - mc_drag->width();
}

double TimeLine::trackX(const MouseEvent& event) const
{
  return mc->globalToLocal(QPointF(event.stageX(), event.stageY())).x();
}

void TimeLine::setFillWidth(double width)
{
  // A fill never reaches left of the track's start.
  timeline->setWidth(std::max(width, 0.0));
}

void TimeLine::setWidth(double w)
{
  timeline_width = w;
  if (bm_c) {
    bm_c->setWidth(w - (bm_l->width() + bm_r->width()));
  }
  if (bm_r) {
    bm_r->setX(w - bm_r->width());
  }
  setPosition();
}

void TimeLine::setPos(double t)
{
  if (!mc_drag || mouse_down || duration == 0) {
    return;
  }
  double px = std::ceil((t / duration) * seekSpan()) - 1;
  if (px < 0) {
    px = 0;
  }
  setFillWidth(px);
  mc_drag->setX(px);
  position = t;
}

void TimeLine::setPosition()
{
  if (!timeline || duration == 0 || seekSpan() <= 0) {
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
  if (x >= seekSpan()) {
    return;
  }
  setFillWidth(x);
  mc_drag->setX(x);
  setPosition();
  flash::events::Event changed(ON_TIMELINE_CHANGE);
  dispatchEvent(changed);
}

void TimeLine::onHandlePress(MouseEvent& /*event*/)
{
  mc_drag->startDrag(false, QRectF(0, mc_drag->y(), seekSpan(), 0));
  mouse_down = true;
}

void TimeLine::onMove(MouseEvent& event)
{
  if (duration == 0 || !mouse_down) {
    return;
  }
  setFillWidth(trackX(event));
}

void TimeLine::onTick()
{
  if (bm_d && timeline) {
    setFillWidth(mc_drag->x());
  }
}

void TimeLine::onHandleRelease(MouseEvent& event)
{
  if (!mc_drag) {
    return;
  }
  mc_drag->stopDrag();
  if (!mouse_down) {
    return;
  }
  // The drag is over whatever follows: later positions from the owner are shown again.
  mouse_down = false;
  if (duration == 0) {
    return;
  }
  const double x = trackX(event);
  if (x < 0) {
    // Released left of the track: the start of the media.
    setFillWidth(0);
    position = 0;
  } else {
    setFillWidth(x);
    setPosition();
  }
  flash::events::Event changed(ON_TIMELINE_CHANGE);
  dispatchEvent(changed);
}

void TimeLine::stageMouseUp(MouseEvent& event)
{
  onHandleRelease(event);
}

}  // namespace classes
