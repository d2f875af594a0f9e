#include "movie/classes/VolumeControl.h"

#include "runtime/Trace.h"

#include <cmath>

namespace classes {

using flash::display::DisplayObject;
using flash::events::Event;
using flash::events::MouseEvent;

namespace {

std::shared_ptr<flash::display::Sprite> Rectangle(double width, double height, quint32 colour, const QString& name)
{
  auto rectangle = std::make_shared<flash::display::Sprite>();
  rectangle->graphics().beginFill(colour);
  rectangle->graphics().drawRect(0, 0, width, height);
  rectangle->graphics().endFill();
  rectangle->setName(name);
  return rectangle;
}

}  // namespace

void VolumeControl::defaultInit(std::shared_ptr<DisplayObject> speaker, std::shared_ptr<DisplayObject> mutedSpeaker)
{
  speacer = std::move(speaker);
  speacer->setX(-5);
  speacer->setWidth(20);
  speacer->setHeight(20);
  speacer->addEventListener(MouseEvent::CLICK, [this](Event&) { toggleMute(); });
  addChild(speacer);

  speacer_mute = std::move(mutedSpeaker);
  speacer_mute->setX(-5);
  speacer_mute->setWidth(20);
  speacer_mute->setHeight(20);
  speacer_mute->setVisible(false);
  speacer_mute->addEventListener(MouseEvent::CLICK, [this](Event&) { toggleMute(); });
  addChild(speacer_mute);

  for (int i = 0; i < count_vol; ++i) {
    const QString name = QString::number(i);
    const double height = 2 * i + 2;
    Bar bar;
    bar.mc = std::make_shared<flash::display::MovieClip>();
    bar.mc->setName(name);
    bar.mc->setButtonMode(true);
    bar.sp = Rectangle(5, height, backColor, name);
    bar.bm = Rectangle(3, height, activeColor, name);
    bar.bm1 = Rectangle(3, height, inactiveColor, name);
    bar.bm1->setVisible(false);
    bar.mc->addChild(bar.sp);
    bar.mc->addChild(bar.bm);
    bar.mc->addChild(bar.bm1);
    bar.mc->setX(17 + 5 * i);
    bar.mc->setY(10 - i);
    const DisplayObject* barPiece = bar.mc.get();
    bar.sp->addEventListener(MouseEvent::CLICK, [this, barPiece](Event&) { barClick(barPiece); });
    bar.mc->addEventListener(MouseEvent::CLICK, [this, barPiece](Event&) { barClick(barPiece); });
    bar.mc->addEventListener(MouseEvent::MOUSE_MOVE, [this, barPiece](Event&) {
      if (mute || !mouse_down) {
        return;
      }
      flash::trace(QStringLiteral("move!!!!!!!!"));
      barClick(barPiece);
    });
    addChild(bar.mc);
    sl.push_back(bar);
  }
  addEventListener(MouseEvent::MOUSE_DOWN, [this](Event&) { mouse_down = true; });
  addEventListener(MouseEvent::MOUSE_UP, [this](Event&) { mouse_down = false; });
}

void VolumeControl::barClick(const DisplayObject* piece)
{
  if (mute) {
    return;
  }
  const double index = piece->name().toDouble();
  const double level = ((index + 1) / count_vol) * 100;
  if (level == curr_vol) {
    return;
  }
  setVolume(level);
  Event changed(ON_VOLUME_CHANGE);
  dispatchEvent(changed);
}

void VolumeControl::setVolume(double level)
{
  if (!(level >= 0 && level <= 100)) {
    return;
  }
  curr_vol = level;
  const double lastLit = std::ceil((level / 100) * count_vol) - 1;
  for (int i = 0; i < static_cast<int>(sl.size()); ++i) {
    sl[i].bm->setVisible(i <= lastLit);
    sl[i].bm1->setVisible(i > lastLit);
  }
}

double VolumeControl::getVolume() const
{
  return std::ceil(curr_vol) - 1;
}

void VolumeControl::setMute(bool muted)
{
  mute = muted;
  if (muted) {
    if (speacer_mute) {
      speacer_mute->setVisible(true);
      speacer->setVisible(false);
    }
    for (const Bar& bar : sl) {
      bar.bm1->setVisible(true);
      bar.bm->setVisible(false);
    }
  } else {
    if (speacer) {
      speacer->setVisible(true);
      speacer_mute->setVisible(false);
    }
    setVolume(curr_vol);
  }
}

void VolumeControl::toggleMute()
{
  setMute(!mute);
  Event muted(ON_VOLUME_MUTE);
  dispatchEvent(muted);
}

void VolumeControl::stageMouseUp(MouseEvent& /*event*/)
{
  mouse_down = false;
}

}  // namespace classes
