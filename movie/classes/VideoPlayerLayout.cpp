#include "movie/classes/VideoPlayer.h"

#include "movie/classes/TimeLine.h"
#include "movie/classes/VideoInfo.h"
#include "movie/classes/VolumeControl.h"
#include "movie/library/FullBtn.h"
#include "movie/library/MyLoader.h"
#include "movie/library/MyPanel.h"
#include "movie/library/PauseBtn.h"
#include "movie/library/PlayBtn.h"
#include "movie/library/SeekBarBitmaps.h"
#include "movie/library/SpeakerKey.h"
#include "runtime/display/Bitmap.h"
#include "runtime/display/Stage.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/media/Video.h"
#include "runtime/text/TextField.h"

#include <cmath>

namespace classes {

using flash::display::DisplayObject;
using flash::events::Event;
using flash::events::MouseEvent;

namespace {

flash::text::TextFormat LabelFormat(bool alignRight)
{
  flash::text::TextFormat format;
  format.font = QStringLiteral("Arial");
  format.bold = true;
  format.color = 0x000000;
  format.size = 12;
  if (alignRight) {
    format.align = QStringLiteral("right");
  }
  return format;
}

bool IsUsableSize(double value)
{
  return std::isfinite(value) && value != 0;
}

}  // namespace

void VideoPlayer::initDefault()
{
  const double W = stageRef().stageWidth();
  const double H = stageRef().stageHeight();

  playBtn = std::make_shared<PlayBtn>();
  playBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onPlayBtnClick(); });
  addChild(playBtn);

  pauseBtn = std::make_shared<PauseBtn>();
  pauseBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onPauseBtnClick(); });
  pauseBtn->setVisible(false);
  addChild(pauseBtn);

  fullscreenBtn = std::make_shared<FullBtn>();
  fullscreenBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onClickFullScreen(); });
  addChild(fullscreenBtn);

  timeCurrformat = LabelFormat(false);
  timeCurr = MakeTimeLabel(timeCurrformat, 40, 20, ZeroClockText(SkinKind::Default));
  addChild(timeCurr);

  timeFullformat = LabelFormat(true);
  timeFull = MakeTimeLabel(timeFullformat, 40, 20, ZeroClockText(SkinKind::Default));
  addChild(timeFull);

  timeline = std::make_shared<TimeLine>(player_);
  timeline->defaultInit({std::make_shared<flash::display::Bitmap>(std::make_shared<CSlDrag>()),
                         std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
                         std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
                         std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()),
                         std::make_shared<flash::display::Bitmap>(std::make_shared<CSlFill>())});
  timeline->addEventListener(TimeLine::ON_TIMELINE_CHANGE, [this](Event&) { onChangeTimeline(); });
  addChild(timeline);

  volume = std::make_shared<VolumeControl>(player_);
  volume->setScaleX(0.6);
  volume->setScaleY(0.6);
  volume->defaultInit(std::make_shared<Speacer>(), std::make_shared<SpeacerMute>());
  volume->addEventListener(VolumeControl::ON_VOLUME_CHANGE, [this](Event&) { onVolumeChange(); });
  volume->addEventListener(VolumeControl::ON_VOLUME_MUTE, [this](Event&) { onVolumeMute(); });
  addChild(volume);

  back->graphics().beginFill(0x000000);
  back->graphics().drawRect(0, 0, 408, 380);
  back->graphics().endFill();
  addChildAt(back, 0);

  backScreen->setX(2);
  backScreen->setY(2);
  backScreen->graphics().beginFill(0x000000);
  backScreen->graphics().drawRoundRect(0, 0, 404, 304, 10, 10);
  backScreen->graphics().endFill();
  backScreen->setWidth(W - 4);
  backScreen->setHeight(H - 74);
  addChildAt(backScreen, getChildIndex(back.get()) + 1);

  panel = std::make_shared<MyPanel>();
  addChildAt(panel, getChildIndex(backScreen.get()) + 1);

  preloader = std::make_shared<MyLoader>();
  layoutDefault();
  completeStartup();
}

void VideoPlayer::layoutDefault()
{
  const double W = stageRef().stageWidth();
  const double H = stageRef().stageHeight();
  const double buttonHeight = playBtn->height();
  playBtn->setY(H - buttonHeight + 1.5);
  pauseBtn->setY(H - pauseBtn->height() + 1.5);
  fullscreenBtn->setX(W - fullscreenBtn->width() - 50);
  fullscreenBtn->setY(H - fullscreenBtn->height() + 1.5);
  timeCurr->setX(playBtn->width() + 2);
  timeCurr->setY(H - buttonHeight);
  timeFull->setX(fullscreenBtn->x() - fullscreenBtn->width() - 20);
  timeFull->setY(H - buttonHeight);
  timeline->setX(timeCurr->x() + 36);
  timeline->setY(H - buttonHeight + 6);
  timeline->setWidth(timeFull->x() - timeline->x());
  volume->setX(W - 47);
  volume->setY(H - buttonHeight + 3);
  back->setWidth(W);
  back->setHeight(H);
  panel->setX(0);
  panel->setY(H - panel->height());
  panel->setWidth(W);
  preloader->setX(W / 2);
  preloader->setY(H / 2);
}

void VideoPlayer::onResizeStage()
{
  if (!is_loadded) {
    return;
  }
  if (skinKind() == SkinKind::Default) {
    layoutDefault();
  } else {
    layoutSkin();
  }
  if (video) {
    fitPicture();
  }
}

void VideoPlayer::fitPicture()
{
  if (!video) {
    return;
  }
  const double W = stageRef().stageWidth();
  const double H = stageRef().stageHeight();
  const QVariantMap metadata = videoinfo ? videoinfo->getMetaData() : QVariantMap();
  const double pictureWidth = metadata.value(QStringLiteral("width")).toDouble();
  const double pictureHeight = metadata.value(QStringLiteral("height")).toDouble();
  if (!is_showControl) {
    resizeVideo(W, H, pictureWidth, pictureHeight, false);
  } else if (skinKind() == SkinKind::Xml) {
    resizeVideo(W - 8, H - 78, pictureWidth, pictureHeight);
  } else {
    resizeVideo(W - 8, H - 28, pictureWidth, pictureHeight);
  }
}

void VideoPlayer::resizeVideo(double areaWidth, double areaHeight, double pictureWidth, double pictureHeight,
                              bool inset)
{
  if (!video) {
    return;
  }
  if (!IsUsableSize(pictureWidth) || !IsUsableSize(pictureHeight)) {
    pictureWidth = areaWidth;
    pictureHeight = areaHeight;
  }
  double h = areaHeight;
  double w = pictureWidth * areaHeight / pictureHeight;
  if (w > areaWidth) {
    w = areaWidth;
    h = pictureHeight * areaWidth / pictureWidth;
  }
  video->setWidth(w);
  video->setHeight(h);
  const double offset = inset ? 4 : 0;
  mcScreen->setX((areaWidth - w) / 2 + offset);
  mcScreen->setY((areaHeight - h) / 2 + offset);
}

std::shared_ptr<flash::text::TextField> VideoPlayer::MakeTimeLabel(const flash::text::TextFormat& format, double width,
                                                                  double height, const QString& text)
{
  auto label = std::make_shared<flash::text::TextField>();
  label->setSelectable(false);
  label->setWidth(width);
  label->setHeight(height);
  label->setDefaultTextFormat(format);
  label->setText(text);
  label->setTextFormat(format);
  return label;
}

std::vector<std::pair<QString, std::shared_ptr<DisplayObject>>> VideoPlayer::partsSavedWhileHidden() const
{
  return {{QStringLiteral("panel"), panel},       {QStringLiteral("full"), fullscreenBtn},
          {QStringLiteral("volume"), volume},     {QStringLiteral("timeline"), timeline},
          {QStringLiteral("timeCurr"), timeCurr}, {QStringLiteral("timeFull"), timeFull},
          {QStringLiteral("back"), back}};
}

void VideoPlayer::hideAllControl()
{
  stageRef().setScaleMode(flash::display::StageScaleMode::NO_SCALE);
  stageRef().setAlign(flash::display::StageAlign::TOP_LEFT);
  _hideAllControl(stageRef().stageWidth(), stageRef().stageHeight());
  is_showControl = false;
}

void VideoPlayer::_hideAllControl(double width, double height)
{
  if (!is_showControl) {
    return;
  }
  for (const auto& [key, part] : partsSavedWhileHidden()) {
    normalState.insert(key, part ? part->visible() : false);
  }
  normalState.insert(QStringLiteral("backScreenWidth"), backScreen->width());
  normalState.insert(QStringLiteral("backScreenHeight"), backScreen->height());
  normalState.insert(QStringLiteral("backScreenX"), backScreen->x());
  normalState.insert(QStringLiteral("backScreenY"), backScreen->y());
  if (video) {
    normalState.insert(QStringLiteral("backVideoWidth"), video->width());
    normalState.insert(QStringLiteral("backVideoHeight"), video->height());
    normalState.insert(QStringLiteral("backVideoX"), mcScreen->x());
    normalState.insert(QStringLiteral("backVideoY"), mcScreen->y());
  }
  backScreen->setWidth(width);
  backScreen->setHeight(height);
  backScreen->setX(0);
  backScreen->setY(0);
  for (const auto& part : {playBtn, pauseBtn, panel, fullscreenBtn, std::shared_ptr<DisplayObject>(volume),
                           std::shared_ptr<DisplayObject>(timeline), std::shared_ptr<DisplayObject>(timeCurr),
                           std::shared_ptr<DisplayObject>(timeFull), std::shared_ptr<DisplayObject>(back)}) {
    if (part) {
      part->setVisible(false);
    }
  }
  if (video) {
    const QVariantMap metadata = videoinfo ? videoinfo->getMetaData() : QVariantMap();
    resizeVideo(width, height, metadata.value(QStringLiteral("width")).toDouble(),
                metadata.value(QStringLiteral("height")).toDouble(), false);
  }
}

void VideoPlayer::showAllControl()
{
  stageRef().setScaleMode(flash::display::StageScaleMode::NO_SCALE);
  stageRef().setAlign(flash::display::StageAlign::TOP_LEFT);
  _showAllControl();
  is_showControl = true;
  onResizeStage();
}

void VideoPlayer::_showAllControl()
{
  if (is_showControl) {
    return;
  }
  setButtonShown(playBtn, QStringLiteral("playBtn"), !isVideoPlay);
  setButtonShown(pauseBtn, QStringLiteral("pauseBtn"), isVideoPlay);
  for (const auto& [key, part] : partsSavedWhileHidden()) {
    if (part) {
      part->setVisible(normalState.value(key).toBool());
    }
  }
  backScreen->setWidth(normalState.value(QStringLiteral("backScreenWidth")).toDouble());
  backScreen->setHeight(normalState.value(QStringLiteral("backScreenHeight")).toDouble());
  backScreen->setX(normalState.value(QStringLiteral("backScreenX")).toDouble());
  backScreen->setY(normalState.value(QStringLiteral("backScreenY")).toDouble());
  if (video && normalState.contains(QStringLiteral("backVideoWidth"))) {
    video->setWidth(normalState.value(QStringLiteral("backVideoWidth")).toDouble());
    video->setHeight(normalState.value(QStringLiteral("backVideoHeight")).toDouble());
    mcScreen->setX(normalState.value(QStringLiteral("backVideoX")).toDouble());
    mcScreen->setY(normalState.value(QStringLiteral("backVideoY")).toDouble());
  }
}

void VideoPlayer::onClickFullScreen()
{
  if (!loadedState.isEmpty()) {
    return;
  }
  const bool full = stageRef().displayState() == flash::display::StageDisplayState::FULL_SCREEN;
  stageRef().setDisplayState(full ? flash::display::StageDisplayState::NORMAL
                                  : flash::display::StageDisplayState::FULL_SCREEN);
}

void VideoPlayer::setFullScreen(const QString& mode)
{
  if (!loadedState.isEmpty()) {
    return;
  }
  stageRef().setDisplayState(mode == QStringLiteral("full") ? flash::display::StageDisplayState::FULL_SCREEN
                                                            : flash::display::StageDisplayState::NORMAL);
}

void VideoPlayer::onFullScreen(bool fullScreen)
{
  if (fullScreen) {
    callHost(QStringLiteral("onFullScreen"), {true});
    hideAllControl();
  } else {
    callHost(QStringLiteral("onFullScreen"), {false});
    showAllControl();
  }
}

std::shared_ptr<DisplayObject> VideoPlayer::partNamed(const QString& name) const
{
  const std::pair<const char*, std::shared_ptr<DisplayObject>> parts[] = {
      {"playBtn", playBtn},   {"pauseBtn", pauseBtn}, {"fullscreenBtn", fullscreenBtn}, {"timeCurr", timeCurr},
      {"timeFull", timeFull}, {"timeline", timeline}, {"volume", volume},               {"panel", panel},
      {"preloader", preloader}, {"back", back},       {"backScreen", backScreen},       {"mcScreen", mcScreen},
      {"video", video},
  };
  for (const auto& [partName, part] : parts) {
    if (name == QLatin1String(partName)) {
      return part;
    }
  }
  return nullptr;
}

void VideoPlayer::setControlState(const QString& name, const QVariantMap& properties)
{
  const std::shared_ptr<DisplayObject> part = partNamed(name);
  for (auto property = properties.cbegin(); property != properties.cend(); ++property) {
    const QString& key = property.key();
    const QVariant& value = property.value();
    if (part) {
      if (key == QStringLiteral("visible")) {
        part->setVisible(value.toBool());
      } else if (key == QStringLiteral("x")) {
        part->setX(value.toDouble());
      } else if (key == QStringLiteral("y")) {
        part->setY(value.toDouble());
      } else if (key == QStringLiteral("width")) {
        part->setWidth(value.toDouble());
      } else if (key == QStringLiteral("height")) {
        part->setHeight(value.toDouble());
      } else if (key == QStringLiteral("alpha")) {
        part->setAlpha(value.toDouble());
      } else if (key == QStringLiteral("scaleX")) {
        part->setScaleX(value.toDouble());
      } else if (key == QStringLiteral("scaleY")) {
        part->setScaleY(value.toDouble());
      }
    }
    if (skins.contains(name)) {
      QVariantMap entry = skins.value(name).toMap();
      entry.insert(key, value);
      skins.insert(name, entry);
    }
  }
}

void VideoPlayer::stageMouseUp(MouseEvent& event)
{
  if (volume) {
    volume->stageMouseUp(event);
  }
  if (timeline) {
    timeline->stageMouseUp(event);
  }
}

}  // namespace classes
