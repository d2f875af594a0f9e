#include "movie/classes/VideoPlayer.h"

#include "movie/classes/StreamAddress.h"
#include "movie/classes/TimeLine.h"
#include "movie/classes/VersionDetect.h"
#include "movie/classes/VideoInfo.h"
#include "movie/classes/VolumeControl.h"
#include "runtime/Player.h"
#include "runtime/display/Stage.h"
#include "runtime/events/ErrorEvent.h"
#include "runtime/events/FullScreenEvent.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/events/NetStatusEvent.h"
#include "runtime/events/TimerEvent.h"
#include "runtime/media/Video.h"
#include "runtime/net/NetConnection.h"
#include "runtime/net/NetStream.h"
#include "runtime/text/TextField.h"
#include "runtime/utils/Timer.h"

#include <cmath>

namespace classes {

using flash::display::DisplayObject;
using flash::events::Event;
using flash::events::MouseEvent;
using flash::events::NetStatusEvent;

VideoPlayer::VideoPlayer(flash::Player& player) : player_(player)
{
  ver = std::make_shared<VersionDetect>(stageRef());
  if (!ver->checkVersion()) {
    addChild(ver);
    return;
  }
  stageRef().setScaleMode(flash::display::StageScaleMode::NO_SCALE);
  stageRef().setAlign(flash::display::StageAlign::TOP_LEFT);
  readParameters();
  stageRef().addEventListener(Event::RESIZE, [this](Event&) { onResizeStage(); });

  if (!xml_path.isEmpty()) {
    typeSkin = QStringLiteral("xml");
    startSkinLoading();
  } else {
    initDefault();
  }

  stageRef().addTypedListener<MouseEvent>(MouseEvent::MOUSE_UP, [this](MouseEvent& event) { stageMouseUp(event); });
  stageRef().addTypedListener<flash::events::FullScreenEvent>(
      flash::events::FullScreenEvent::FULL_SCREEN,
      [this](flash::events::FullScreenEvent& event) { onFullScreen(event.fullScreen()); });
  soundtransform = flash::media::SoundTransform{};
  hasSoundTransform = true;
  registerCallbacks();
}

VideoPlayer::~VideoPlayer()
{
  if (timelineTimer) {
    timelineTimer->stop();
  }
}

flash::display::Stage& VideoPlayer::stageRef() const
{
  return player_.stage();
}

SkinKind VideoPlayer::skinKind() const
{
  return typeSkin == QStringLiteral("xml") ? SkinKind::Xml : SkinKind::Default;
}

void VideoPlayer::readParameters()
{
  const QMap<QString, QString>& parameters = player_.parameters();
  xml_path = parameters.value(QStringLiteral("xml_path"));
  pl_path = parameters.value(QStringLiteral("pl_path"));
  if (parameters.contains(QStringLiteral("hide_control"))) {
    _hide_control = setBoolean(parameters.value(QStringLiteral("hide_control")));
    if (_hide_control) {
      setVisible(false);
    }
  }
  if (parameters.contains(QStringLiteral("mute"))) {
    _mute_first = !parameters.value(QStringLiteral("mute")).isEmpty();
  }
  if (parameters.contains(QStringLiteral("volume"))) {
    const QString text = parameters.value(QStringLiteral("volume")).trimmed();
    bool ok = true;
    const double level = text.isEmpty() ? 0 : text.toDouble(&ok);
    if (ok && level >= 0 && level <= 100) {
      _volume_first = level;
    }
  }
  if (parameters.contains(QStringLiteral("auto_play"))) {
    _auto_play = setBoolean(parameters.value(QStringLiteral("auto_play")));
  }
  if (parameters.contains(QStringLiteral("url")) && parameters.contains(QStringLiteral("type_video"))) {
    _url = parameters.value(QStringLiteral("url"));
    _type_video = parameters.value(QStringLiteral("type_video"));
  }
}

void VideoPlayer::registerCallbacks()
{
  flash::external::ExternalInterface& external = player_.externalInterface();
  if (!external.available()) {
    return;
  }
  const auto number = [](const QVariantList& arguments, int index) {
    return arguments.value(index).isValid() ? arguments.value(index).toDouble() : std::nan("");
  };
  external.addCallback(QStringLiteral("playVideo"), [this](const QVariantList& a) {
    playVideo(a.value(0).toString(), a.value(1).toString());
    return QVariant();
  });
  external.addCallback(QStringLiteral("pauseVideo"), [this](const QVariantList&) {
    pauseVideo();
    return QVariant();
  });
  external.addCallback(QStringLiteral("resumeVideo"), [this](const QVariantList&) {
    resumeVideo();
    return QVariant();
  });
  external.addCallback(QStringLiteral("closeVideo"), [this](const QVariantList&) {
    closeVideo();
    return QVariant();
  });
  external.addCallback(QStringLiteral("setFullScreen"), [this](const QVariantList& a) {
    setFullScreen(a.value(0).toString());
    return QVariant();
  });
  external.addCallback(QStringLiteral("setVolume"), [this, number](const QVariantList& a) {
    setVolume(number(a, 0));
    return QVariant();
  });
  external.addCallback(QStringLiteral("setMute"), [this](const QVariantList& a) {
    setMute(a.value(0).toBool());
    return QVariant();
  });
  external.addCallback(QStringLiteral("seekVideo"), [this, number](const QVariantList& a) {
    seekVideo(number(a, 0));
    return QVariant();
  });
  external.addCallback(QStringLiteral("setControlState"), [this](const QVariantList& a) {
    setControlState(a.value(0).toString(), a.value(1).toMap());
    return QVariant();
  });
  external.addCallback(QStringLiteral("hideAllControl"), [this](const QVariantList&) {
    hideAllControl();
    return QVariant();
  });
  external.addCallback(QStringLiteral("showAllControl"), [this](const QVariantList&) {
    showAllControl();
    return QVariant();
  });
  external.addCallback(QStringLiteral("getDuration"), [this](const QVariantList&) { return QVariant(getDuration()); });
  external.addCallback(QStringLiteral("getCurrPosition"),
                       [this](const QVariantList&) { return QVariant(getCurrPosition()); });
}

void VideoPlayer::callHost(const QString& name, const QVariantList& arguments)
{
  // Every call to the host is guarded; its result and its failure are of no interest.
  if (player_.externalInterface().available()) {
    player_.externalInterface().call(name, arguments);
  }
}

void VideoPlayer::completeStartup()
{
  is_loadded = true;
  showPreloader(false);
  if (playBtn) {
    playBtn->setVisible(true);
  }
  callHost(QStringLiteral("onPlayerInitComplete"));
  if (!_url.isEmpty()) {
    playVideo(_type_video, _url);
    if (!_auto_play) {
      onPauseBtnClick();
    }
  }
  setVolume(_volume_first);
  setMute(_mute_first);
  if (_hide_control) {
    hideAllControl();
    setVisible(true);
  }
}

// Playback ------------------------------------------------------------------------------------------

void VideoPlayer::playVideo(const QString& type, const QString& url)
{
  if (!loadedState.isEmpty()) {
    return;
  }
  typeVideo = type;
  const auto makeConnection = [this] {
    connection = std::make_shared<flash::net::NetConnection>();
    connection->addTypedListener<NetStatusEvent>(NetStatusEvent::NET_STATUS,
                                                 [this](NetStatusEvent& event) { netStatusHandler(event.code()); });
    connection->addTypedListener<flash::events::SecurityErrorEvent>(
        flash::events::SecurityErrorEvent::SECURITY_ERROR, [this](flash::events::SecurityErrorEvent& event) {
          securityErrorHandler({{QStringLiteral("type"), event.type()}, {QStringLiteral("text"), event.text()}});
        });
  };
  if (type == TYPE_FLV) {
    if (connection) {
      clearConection();
    }
    videoURL = url;
    makeConnection();
    connection->connect(QVariant::fromValue(nullptr));
  } else if (type == TYPE_RTMP) {
    if (connection) {
      clearConection();
    }
    makeConnection();
    connection->connect(getStream(url));
    rtpmRes = getID(url);
  }
}

void VideoPlayer::connectStream()
{
  stream = std::make_shared<flash::net::NetStream>(player_, connection);
  stream->setBufferTime(2);
  stream->addTypedListener<NetStatusEvent>(NetStatusEvent::NET_STATUS,
                                           [this](NetStatusEvent& event) { netStatusHandler(event.code()); });
  videoinfo = std::make_shared<VideoInfo>();
  stream->setClient(videoinfo);
  videoinfo->addEventListener(VideoInfo::ON_META_DATA_VIDEO, [this](Event&) { onMetaDataVideo(); });
  video = std::make_shared<flash::media::Video>(400, 300);
  video->attachNetStream(stream);
  stream->play(typeVideo == TYPE_FLV ? videoURL : rtpmRes);

  auto holder = std::make_shared<flash::display::MovieClip>();
  holder->setX(4);
  holder->setY(4);
  holder->addEventListener(MouseEvent::CLICK, [this](Event&) { onClickScreen(); });
  holder->addChild(video);
  // The holder goes below the timeline and the volume control, the preloader just above it.
  const int below = timeline && timeline->parent() == this ? getChildIndex(timeline.get()) : numChildren();
  addChildAt(holder, below);
  if (preloader && skinKind() == SkinKind::Default) {
    addChildAt(preloader, getChildIndex(holder.get()) + 1);
  } else if (preloader && preloader->parent() == this && timeline) {
    // The skin's preloader lies above the seek bar, below the time labels.
    removeChild(preloader.get());
    addChildAt(preloader, getChildIndex(timeline.get()) + 1);
  }
  playState(true);
  timelineTimer = std::make_shared<flash::utils::Timer>(player_.clock(), 500);
  timelineTimer->addEventListener(flash::events::TimerEvent::TIMER, [this](Event&) { onTimelineTimer(); });
  timelineTimer->start();
  mcScreen = holder;
  if (volume) {
    setVolume(volume->getVolume());
    setMute(volume->isMute());
  }
}

void VideoPlayer::netStatusHandler(const QString& code)
{
  callHost(QStringLiteral("onVideoStatus"), {code});
  if (code == QStringLiteral("NetConnection.Connect.Success")) {
    connectStream();
  } else if (code == QStringLiteral("NetStream.Play.Start")) {
    showPreloader(false);
    can_seek_timeline = true;
  } else if (code == QStringLiteral("NetStream.Buffer.Full")) {
    showPreloader(false);
    if (video) {
      video->setVisible(true);
    }
    can_seek_timeline = true;
  } else if (code == QStringLiteral("NetStream.Buffer.Empty")) {
    if (isVideoPlay) {
      can_seek_timeline = false;
      if (video) {
        video->setVisible(false);
      }
      showPreloader(true);
    }
  } else if (code == QStringLiteral("NetStream.Play.Stop")) {
    playState(false);
    showPreloader(false);
  } else if (code == QStringLiteral("NetStream.Play.Complete") || code == QStringLiteral("NetStream.Play.StreamNotFound")) {
    playState(false);
  }
}

void VideoPlayer::showPreloader(bool shown)
{
  if (preloader) {
    preloader->setVisible(shown);
  }
}

void VideoPlayer::onMetaDataVideo()
{
  const QVariantMap metadata = videoinfo->getMetaData();
  callHost(QStringLiteral("onMetaData"), {metadata});
  if (metadata.contains(QStringLiteral("duration"))) {
    const double duration = metadata.value(QStringLiteral("duration")).toDouble();
    timeFull->setText(ClockText(duration, skinKind()));
    if (timeline) {
      timeline->setDuration(duration);
    }
  } else {
    timeFull->setText(ZeroClockText(skinKind()));
    if (timeline) {
      timeline->setDuration(0);
    }
  }
  timeFull->setTextFormat(timeFullformat);
  fitPicture();
}

void VideoPlayer::onTimelineTimer()
{
  if (!stream) {
    return;
  }
  timeCurr->setText(ClockText(stream->time(), skinKind()));
  timeCurr->setTextFormat(timeCurrformat);
  if (can_seek_timeline && timeline) {
    timeline->setPos(stream->time());
  }
}

void VideoPlayer::playState(bool playing)
{
  isVideoPlay = playing;
  if (stageRef().displayState() == flash::display::StageDisplayState::FULL_SCREEN || !is_showControl) {
    return;
  }
  setButtonShown(playBtn, QStringLiteral("playBtn"), !playing);
  setButtonShown(pauseBtn, QStringLiteral("pauseBtn"), playing);
}

void VideoPlayer::setButtonShown(const std::shared_ptr<DisplayObject>& button, const QString& skinEntry, bool shown)
{
  if (!button) {
    return;
  }
  if (skinKind() == SkinKind::Xml) {
    // A skin may keep a button hidden for good: only a button whose entry is visible follows the state.
    const QVariant visibleFlag = skins.value(skinEntry).toMap().value(QStringLiteral("visible"));
    if (visibleFlag.isValid() && visibleFlag.toString() == QStringLiteral("false")) {
      return;
    }
  }
  button->setVisible(shown);
}

void VideoPlayer::onPauseBtnClick()
{
  if (!stream) {
    return;
  }
  stream->pause();
  playState(false);
  callHost(QStringLiteral("onPauseBtnClick"));
}

void VideoPlayer::onPlayBtnClick()
{
  if (!stream) {
    return;
  }
  stream->resume();
  playState(true);
  callHost(QStringLiteral("onPlayBtnClick"));
}

void VideoPlayer::onClickScreen()
{
  if (isVideoPlay) {
    onPauseBtnClick();
  } else {
    onPlayBtnClick();
  }
}

void VideoPlayer::pauseVideo()
{
  onPauseBtnClick();
}

void VideoPlayer::resumeVideo()
{
  onPlayBtnClick();
}

void VideoPlayer::seekVideo(double seconds)
{
  if (!stream || std::isnan(seconds)) {
    return;
  }
  stream->seek(seconds);
  if (timeline) {
    timeline->setPos(seconds);
  }
  if (!isVideoPlay) {
    stream->pause();
  }
}

void VideoPlayer::onChangeTimeline()
{
  if (!stream) {
    return;
  }
  can_seek_timeline = false;
  const double position = timeline->getPosition();
  stream->seek(position);
  if (!isVideoPlay) {
    stream->pause();
  }
  callHost(QStringLiteral("onSeekPosition"), {position});
}

void VideoPlayer::closeVideo()
{
  if (connection) {
    clearConection();
  }
}

void VideoPlayer::clearConection()
{
  if (!connection) {
    return;
  }
  if (timelineTimer) {
    timelineTimer->stop();
  }
  if (video && video->parent() != nullptr) {
    video->parent()->removeChild(video.get());
  }
  if (mcScreen && mcScreen->parent() == this) {
    removeChild(mcScreen.get());
  }
  if (stream) {
    stream->close();
  }
  connection->close();
  stream.reset();
  connection.reset();
}

void VideoPlayer::_setVolume(double level)
{
  if (!stream) {
    return;
  }
  if (!hasSoundTransform) {
    soundtransform = flash::media::SoundTransform{};
    hasSoundTransform = true;
  }
  soundtransform.volume = level / 100;
  stream->setSoundTransform(soundtransform);
}

void VideoPlayer::setVolume(double level)
{
  if (!(level >= 0 && level <= 100)) {
    return;
  }
  _setVolume(level);
  if (volume) {
    volume->setVolume(level);
  }
}

void VideoPlayer::setMute(bool mute)
{
  if (!volume) {
    return;
  }
  volume->setMute(mute);
  _setVolume(volume->isMute() ? 0 : volume->getVolume());
}

void VideoPlayer::onVolumeChange()
{
  _setVolume(volume->getVolume());
  callHost(QStringLiteral("onVolumeChange"), {volume->getVolume()});
}

void VideoPlayer::onVolumeMute()
{
  _setVolume(volume->isMute() ? 0 : volume->getVolume());
  callHost(QStringLiteral("onVolumeMute"), {volume->isMute()});
}

double VideoPlayer::getDuration() const
{
  if (!videoinfo) {
    return -1;
  }
  const QVariant duration = videoinfo->getMetaDateInfo(QStringLiteral("duration"));
  bool ok = false;
  const double seconds = duration.toDouble(&ok);
  return duration.isValid() && ok ? seconds : std::nan("");
}

double VideoPlayer::getCurrPosition() const
{
  return stream ? stream->time() : -1;
}

void VideoPlayer::securityErrorHandler(const QVariantMap& event)
{
  callHost(QStringLiteral("onSecuretyError"), {event});
  playState(false);
}

}  // namespace classes
