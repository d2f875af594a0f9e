#include "movie/classes/VideoPlayer.h"

#include "movie/classes/CLoader.h"
#include "movie/classes/CXMLToArray.h"
#include "movie/classes/LoadedButton.h"
#include "movie/classes/NumberText.h"
#include "movie/classes/TimeLine.h"
#include "movie/classes/VolumeControl.h"
#include "runtime/display/Stage.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/media/Video.h"
#include "runtime/text/TextField.h"

namespace classes {

using flash::display::DisplayObject;
using flash::events::Event;
using flash::events::MouseEvent;

namespace {

constexpr int kSkinParts = 7;

}  // namespace

double VideoPlayer::skinNumber(const QString& entry, const QString& attribute) const
{
  return ToNumber(skinEntry(entry).value(attribute).toString());
}

bool VideoPlayer::skinFlag(const QString& entry, const QString& attribute) const
{
  return skinEntry(entry).value(attribute).toString() != QStringLiteral("false");
}

void VideoPlayer::errorPlayer(int code)
{
  static const char* const messages[] = {"XML read error", "XML load error", "Panel not load", "Preloader not load"};
  if (code >= 0 && code < 4) {
    callHost(QStringLiteral("onErorPalyer"), {code, QString::fromLatin1(messages[code])});
  }
}

void VideoPlayer::startSkinLoading()
{
  xml_encode = std::make_shared<CXMLToArray>();
  loader = std::make_shared<CLoader>(player_);
  loader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](Event&) { onLoadAllCompleted(); });
  loader->addToLoad(loader->TYPE_PHP, xml_path,
                    QVariantMap{{QStringLiteral("method"), QStringLiteral("POST")}, {QStringLiteral("vars"), QVariantMap()}});
  loader->addToLoad(loader->TYPE_FLASH, pl_path);
  loader->startLoad();
}

void VideoPlayer::onLoadAllCompleted()
{
  const std::vector<LoadResult> results = loader->getLoadedData();
  if (results.empty() || !results[0].is_loaded) {
    errorPlayer(1);
    return;
  }
  skins = xml_encode->getArrayFromXml(results[0].text());
  if (!xml_encode->isGoodParse()) {
    errorPlayer(0);
    return;
  }
  for (int i = 0; i < kSkinParts; ++i) {
    loadedState.append(i);
  }
  const double W = stageRef().stageWidth();
  const double H = stageRef().stageHeight();

  const LoadResult* preloaderResult = results.size() > 1 ? &results[1] : nullptr;
  if (preloaderResult != nullptr && preloaderResult->is_loaded && preloaderResult->content()) {
    preloader = preloaderResult->content();
    preloader->setWidth(skinNumber(QStringLiteral("preloader"), QStringLiteral("width")));
    preloader->setHeight(skinNumber(QStringLiteral("preloader"), QStringLiteral("height")));
    preloader->setVisible(skinFlag(QStringLiteral("preloader"), QStringLiteral("visible")));
    preloader->setX((W - skinNumber(QStringLiteral("preloader"), QStringLiteral("width"))) / 2);
    preloader->setY((H - skinNumber(QStringLiteral("preloader"), QStringLiteral("height")) - 70) / 2);
    addChild(preloader);
  } else {
    preloader = std::make_shared<flash::display::Sprite>();
    errorPlayer(3);
  }

  const auto makeButton = [this](const QString& entry) {
    auto button = std::make_shared<LoadedButton>(player_, skinEntry(entry).value(QStringLiteral("over")).toString(),
                                                 skinEntry(entry).value(QStringLiteral("out")).toString());
    button->setWidth(skinNumber(entry, QStringLiteral("width")));
    button->setHeight(skinNumber(entry, QStringLiteral("height")));
    button->setVisible(skinFlag(entry, QStringLiteral("visible")));
    button->addEventListener(LoadedButton::ON_BUTTON_LOAD, [this](Event&) { onNextLoad(); });
    return button;
  };
  playBtn = makeButton(QStringLiteral("playBtn"));
  playBtn->setX((W - playBtn->width()) / 2);
  playBtn->setY(H - playBtn->height() - 10);
  playBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onPlayBtnClick(); });
  addChild(playBtn);

  pauseBtn = makeButton(QStringLiteral("pauseBtn"));
  pauseBtn->setX((W - skinNumber(QStringLiteral("pauseBtn"), QStringLiteral("width"))) / 2);
  pauseBtn->setY(H - skinNumber(QStringLiteral("pauseBtn"), QStringLiteral("height")) - 10);
  pauseBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onPauseBtnClick(); });
  addChild(pauseBtn);

  fullscreenBtn = makeButton(QStringLiteral("fullscreenBtn"));
  fullscreenBtn->setX(W * 5 / 6);
  fullscreenBtn->setY(H - skinNumber(QStringLiteral("fullscreenBtn"), QStringLiteral("height")) + 10);
  fullscreenBtn->addEventListener(MouseEvent::CLICK, [this](Event&) { onClickFullScreen(); });
  addChild(fullscreenBtn);

  const QVariantMap volumeEntry = skinEntry(QStringLiteral("volume"));
  volume = std::make_shared<VolumeControl>(player_);
  QVariantMap volumeSkin;
  for (const char* name : {"mute", "inactive_mute", "scale", "inactive_scale", "backcolor"}) {
    volumeSkin.insert(QString::fromLatin1(name), volumeEntry.value(QString::fromLatin1(name)));
  }
  volume->addEventListener(VolumeControl::ON_VOLUME_LOAD, [this](Event&) { onNextLoad(); });
  volume->addEventListener(VolumeControl::ON_VOLUME_CHANGE, [this](Event&) { onVolumeChange(); });
  volume->addEventListener(VolumeControl::ON_VOLUME_MUTE, [this](Event&) { onVolumeMute(); });
  volume->loadControl(volumeSkin);
  volume->setX(skinNumber(QStringLiteral("volume"), QStringLiteral("x")));
  volume->setY(H - skinNumber(QStringLiteral("volume"), QStringLiteral("height")) + 10);
  volume->setWidth(skinNumber(QStringLiteral("volume"), QStringLiteral("width")));
  volume->setHeight(skinNumber(QStringLiteral("volume"), QStringLiteral("height")));
  volume->setVisible(skinFlag(QStringLiteral("volume"), QStringLiteral("visible")));
  addChild(volume);

  const QVariantMap timelineEntry = skinEntry(QStringLiteral("timeline"));
  timeline = std::make_shared<TimeLine>(player_);
  QVariantMap timelineSkin;
  for (const char* name : {"drag", "tl_l", "tl_c", "tl_r", "tl_f"}) {
    timelineSkin.insert(QString::fromLatin1(name), timelineEntry.value(QString::fromLatin1(name)));
  }
  timeline->addEventListener(TimeLine::ON_TIMELINE_LOAD, [this](Event&) { onNextLoad(); });
  timeline->addEventListener(TimeLine::ON_TIMELINE_CHANGE, [this](Event&) { onChangeTimeline(); });
  timeline->loadControl(timelineSkin);
  timeline->setX(skinNumber(QStringLiteral("timeline"), QStringLiteral("x")));
  timeline->setY(H - 60);
  timeline->setVisible(skinFlag(QStringLiteral("timeline"), QStringLiteral("visible")));
  addChild(timeline);

  auto panelLoader = std::make_shared<CLoader>(player_);
  panelLoader->addToLoad(panelLoader->TYPE_FLASH, skinEntry(QStringLiteral("panel")).value(QStringLiteral("src")).toString());
  panelLoader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](Event&) { onLoadPanel(); });
  panelLoader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](Event&) { onNextLoad(); });
  loader = panelLoader;
  panelLoader->startLoad();

  const auto labelFormat = [this](const QString& entry, bool alignRight) {
    flash::text::TextFormat format;
    format.font = skinEntry(entry).value(QStringLiteral("font")).toString();
    format.color = ToUint32(skinNumber(entry, QStringLiteral("color")));
    format.size = ToUint32(skinNumber(entry, QStringLiteral("size")));
    if (alignRight) {
      format.align = QStringLiteral("right");
    }
    return format;
  };
  timeCurrformat = labelFormat(QStringLiteral("timeCurr"), false);
  timeCurr = MakeTimeLabel(timeCurrformat, skinNumber(QStringLiteral("timeCurr"), QStringLiteral("width")),
                           skinNumber(QStringLiteral("timeCurr"), QStringLiteral("height")), ZeroClockText(SkinKind::Xml));
  timeCurr->setX(1);
  timeCurr->setY(H - 65);
  addChild(timeCurr);
  timeFullformat = labelFormat(QStringLiteral("timeFull"), true);
  timeFull = MakeTimeLabel(timeFullformat, skinNumber(QStringLiteral("timeFull"), QStringLiteral("width")),
                           skinNumber(QStringLiteral("timeFull"), QStringLiteral("height")), ZeroClockText(SkinKind::Xml));
  timeFull->setX(W - skinNumber(QStringLiteral("timeFull"), QStringLiteral("width")));
  timeFull->setY(H - 65);
  addChild(timeFull);

  back->graphics().beginFill(ToUint32(skinNumber(QStringLiteral("stage"), QStringLiteral("backcolor"))));
  back->graphics().drawRect(0, 0, 408, 380);
  back->graphics().endFill();
  addChildAt(back, 0);
  back->setWidth(W);
  back->setHeight(H);
  backScreen->setX(2);
  backScreen->setY(2);
  backScreen->graphics().beginFill(ToUint32(skinNumber(QStringLiteral("stage"), QStringLiteral("screencolor"))));
  backScreen->graphics().drawRoundRect(0, 0, 404, 304, 10, 10);
  backScreen->graphics().endFill();
  backScreen->setWidth(W - 4);
  backScreen->setHeight(H - 74);
  addChildAt(backScreen, 1);

  std::vector<std::shared_ptr<DisplayObject>> order{back, backScreen};
  if (preloader->parent() == this) {
    order.push_back(preloader);
  }
  for (const auto& part : {playBtn, pauseBtn, fullscreenBtn, std::shared_ptr<DisplayObject>(volume),
                           std::shared_ptr<DisplayObject>(timeline), std::shared_ptr<DisplayObject>(timeCurr),
                           std::shared_ptr<DisplayObject>(timeFull)}) {
    order.push_back(part);
  }
  for (int index = 0; index < static_cast<int>(order.size()); ++index) {
    setChildIndex(order[index].get(), index);
  }
  timeline->setWidth(W - skinNumber(QStringLiteral("timeFull"), QStringLiteral("width")) -
                     skinNumber(QStringLiteral("timeCurr"), QStringLiteral("width")) - 5);
}

void VideoPlayer::onLoadPanel()
{
  const std::vector<LoadResult> results = loader->getLoadedData();
  if (results.empty() || !results[0].is_loaded || !results[0].content()) {
    errorPlayer(2);
    return;
  }
  panel = results[0].content();
  panel->setX(skinNumber(QStringLiteral("panel"), QStringLiteral("x")));
  panel->setY(skinNumber(QStringLiteral("panel"), QStringLiteral("y")));
  panel->setWidth(stageRef().stageWidth());
  panel->setHeight(70);
  panel->setVisible(skinFlag(QStringLiteral("panel"), QStringLiteral("visible")));
  addChildAt(panel, getChildIndex(backScreen.get()) + 1);
  onNextLoad();
}

void VideoPlayer::onNextLoad()
{
  if (loadedState.isEmpty()) {
    return;
  }
  loadedState.removeLast();
  if (loadedState.isEmpty()) {
    completeStartup();
  }
}

void VideoPlayer::layoutSkin()
{
  const double W = stageRef().stageWidth();
  const double H = stageRef().stageHeight();
  if (panel) {
    panel->setWidth(W);
    panel->setY(H - 70);
    backScreen->setWidth(W - 4);
    backScreen->setHeight(H - panel->height() - 4);
  }
  back->setWidth(W);
  back->setHeight(H);
  playBtn->setX((W - skinNumber(QStringLiteral("playBtn"), QStringLiteral("width"))) / 2);
  playBtn->setY(H - skinNumber(QStringLiteral("playBtn"), QStringLiteral("height")) - 10);
  pauseBtn->setX((W - skinNumber(QStringLiteral("pauseBtn"), QStringLiteral("width"))) / 2);
  pauseBtn->setY(H - skinNumber(QStringLiteral("pauseBtn"), QStringLiteral("height")) - 10);
  volume->setY(H - skinNumber(QStringLiteral("volume"), QStringLiteral("height")) + 10);
  fullscreenBtn->setX(W * 5 / 6);
  fullscreenBtn->setY(H - skinNumber(QStringLiteral("fullscreenBtn"), QStringLiteral("height")) + 10);
  timeCurr->setY(H - 65);
  timeFull->setX(W - skinNumber(QStringLiteral("timeFull"), QStringLiteral("width")));
  timeFull->setY(H - 65);
  timeline->setY(H - 60);
  timeline->setWidth(W - skinNumber(QStringLiteral("timeFull"), QStringLiteral("width")) -
                     skinNumber(QStringLiteral("timeCurr"), QStringLiteral("width")) - 5);
}

}  // namespace classes
