#include "movie/classes/VolumeControl.h"

#include "movie/classes/LoadedButton.h"
#include "movie/classes/NumberText.h"
#include "runtime/Trace.h"
#include "runtime/display/Bitmap.h"

#include <cmath>

namespace classes {

using flash::display::Sprite;
using flash::events::MouseEvent;

namespace {

constexpr int kBars = 12;

std::shared_ptr<Sprite> BarRect(const QString& name, double width, double height, quint32 colour)
{
  auto sprite = std::make_shared<Sprite>();
  sprite->setName(name);
  sprite->graphics().beginFill(colour);
  sprite->graphics().drawRect(0, 0, width, height);
  sprite->graphics().endFill();
  return sprite;
}

double BarHeight(int i)
{
  return 2 * i + 2;
}

}  // namespace

VolumeControl::VolumeControl(flash::Player& player) : player_(player) {}

void VolumeControl::addSpeaker(const std::shared_ptr<flash::display::DisplayObject>& button)
{
  button->addEventListener(MouseEvent::CLICK, [this](flash::events::Event&) { toggleMute(); });
  addChild(button);
}

void VolumeControl::listenForPress()
{
  addEventListener(MouseEvent::MOUSE_DOWN, [this](flash::events::Event&) { mouse_down = true; });
  addEventListener(MouseEvent::MOUSE_UP, [this](flash::events::Event&) { mouse_down = false; });
}

void VolumeControl::defaultInit(std::shared_ptr<flash::display::DisplayObject> speaker,
                                std::shared_ptr<flash::display::DisplayObject> mutedSpeaker)
{
  speacer = std::move(speaker);
  speacer->setX(-5);
  speacer->setWidth(20);
  speacer->setHeight(20);
  addSpeaker(speacer);
  speacer_mute = std::move(mutedSpeaker);
  speacer_mute->setX(-5);
  speacer_mute->setWidth(20);
  speacer_mute->setHeight(20);
  speacer_mute->setVisible(false);
  addSpeaker(speacer_mute);

  for (int i = 0; i < kBars; ++i) {
    const QString name = QString::number(i);
    Bar bar;
    bar.mc = std::make_shared<Sprite>();
    bar.mc->setName(name);
    bar.mc->setButtonMode(true);
    bar.sp = BarRect(name, 5, BarHeight(i), backColor);
    bar.bm = BarRect(name, 3, BarHeight(i), activeColor);
    bar.bm1 = BarRect(name, 3, BarHeight(i), inactiveColor);
    bar.bm1->setVisible(false);
    bar.mc->addChild(bar.sp);
    bar.mc->addChild(bar.bm);
    bar.mc->addChild(bar.bm1);
    bar.mc->setX(17 + 5 * i);
    bar.mc->setY(10 - i);
    bar.sp->addTypedListener<MouseEvent>(MouseEvent::CLICK, [this](MouseEvent& event) { onBarClick(event); });
    bar.mc->addTypedListener<MouseEvent>(MouseEvent::CLICK, [this](MouseEvent& event) { onBarClick(event); });
    bar.mc->addTypedListener<MouseEvent>(MouseEvent::MOUSE_MOVE, [this](MouseEvent& event) { onBarSweep(event); });
    addChild(bar.mc);
    sl.push_back(std::move(bar));
  }
  listenForPress();
}

void VolumeControl::loadControl(const QVariantMap& skin)
{
  backColor = ToUint32(ToNumber(skin.value(QStringLiteral("backcolor")).toString()));
  loader = std::make_shared<CLoader>(player_);
  const QString muteImage = skin.value(QStringLiteral("mute")).toString();
  const QString inactiveMuteImage = skin.value(QStringLiteral("inactive_mute")).toString();
  speacer = std::make_shared<LoadedButton>(player_, muteImage, inactiveMuteImage);
  addSpeaker(speacer);
  speacer_mute = std::make_shared<LoadedButton>(player_, inactiveMuteImage, muteImage);
  addSpeaker(speacer_mute);
  speacer_mute->setVisible(false);

  for (const char* image : {"scale", "inactive_scale"}) {
    const QString url = skin.value(QString::fromLatin1(image)).toString();
    for (int i = 0; i < kBars; ++i) {
      loader->addToLoad(loader->TYPE_FLASH, url);
    }
  }
  loader->startLoad();
  loader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](flash::events::Event&) { onLoadAllCompleted(); });
  listenForPress();
}

void VolumeControl::onLoadAllCompleted()
{
  const auto& results = loader->getLoadedData();
  for (int i = 0; i < kBars; ++i) {
    const std::size_t unlit = static_cast<std::size_t>(kBars + i);
    if (results.size() <= unlit) {
      return;
    }
    auto lit = std::dynamic_pointer_cast<flash::display::Bitmap>(results[i].content());
    auto dark = std::dynamic_pointer_cast<flash::display::Bitmap>(results[unlit].content());
    if (!lit || !dark) {
      return;
    }
    const QString name = QString::number(i);
    Bar bar;
    bar.mc = std::make_shared<Sprite>();
    auto strip = BarRect(name, 5, BarHeight(i), backColor);
    strip->setButtonMode(true);
    lit->setHeight(BarHeight(i));
    dark->setHeight(BarHeight(i));
    dark->setVisible(false);
    bar.bm = lit;
    bar.bm1 = dark;
    bar.mc->addChild(strip);
    bar.mc->addChild(lit);
    bar.mc->addChild(dark);
    bar.mc->setX(17 + 5 * i);
    bar.mc->setY(10 - 2 * i);
    bar.mc->addTypedListener<MouseEvent>(MouseEvent::CLICK, [this](MouseEvent& event) { onBarClick(event); });
    bar.mc->addTypedListener<MouseEvent>(MouseEvent::MOUSE_MOVE, [this](MouseEvent& event) { onBarSweep(event); });
    bar.mc->setName(name);
    addChild(bar.mc);
    sl.push_back(std::move(bar));
  }
  flash::events::Event loaded(ON_VOLUME_LOAD);
  dispatchEvent(loaded);
}

void VolumeControl::onBarClick(MouseEvent& event)
{
  if (mute) {
    return;
  }
  pickBar(event);
}

void VolumeControl::onBarSweep(MouseEvent& event)
{
  if (mute || !mouse_down) {
    return;
  }
  flash::trace(QStringLiteral("move!!!!!!!!"));
  pickBar(event);
}

void VolumeControl::pickBar(const MouseEvent& event)
{
  const auto* piece = dynamic_cast<const flash::display::DisplayObject*>(event.target());
  if (piece == nullptr) {
    return;
  }
  const double i = ToNumber(piece->name());
  const double v = ((i + 1) / count_vol) * 100;
  if (v == curr_vol) {
    return;
  }
  setVolume(v);
  flash::events::Event changed(ON_VOLUME_CHANGE);
  dispatchEvent(changed);
}

void VolumeControl::setVolume(double v)
{
  if (!(v >= 0 && v <= 100)) {
    return;
  }
  curr_vol = v;
  showLevel(static_cast<int>(std::ceil((v / 100) * count_vol) - 1));
}

void VolumeControl::showLevel(int lastLit)
{
  for (std::size_t i = 0; i < sl.size(); ++i) {
    const bool lit = static_cast<int>(i) <= lastLit;
    sl[i].bm->setVisible(lit);
    sl[i].bm1->setVisible(!lit);
  }
}

double VolumeControl::getVolume() const
{
  return std::ceil(curr_vol) - 1;
}

void VolumeControl::setMute(bool b)
{
  mute = b;
  if (speacer_mute) {
    speacer_mute->setVisible(mute);
  }
  if (speacer) {
    speacer->setVisible(!mute);
  }
  if (mute) {
    showLevel(-1);
  } else {
    setVolume(curr_vol);
  }
}

void VolumeControl::toggleMute()
{
  mute = !mute;
  setMute(mute);
  flash::events::Event muted(ON_VOLUME_MUTE);
  dispatchEvent(muted);
}

void VolumeControl::stageMouseUp(MouseEvent& /*event*/)
{
  mouse_down = false;
}

}  // namespace classes
