#pragma once

#include "movie/classes/ClockText.h"
#include "runtime/display/MovieClip.h"
#include "runtime/display/Sprite.h"
#include "runtime/media/SoundTransform.h"
#include "runtime/text/TextFormat.h"

#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace flash {
class Player;
namespace display {
class DisplayObject;
class Stage;
}  // namespace display
namespace events {
class Event;
class MouseEvent;
class NetStatusEvent;
}  // namespace events
namespace media {
class Video;
}
namespace net {
class NetConnection;
class NetStream;
}  // namespace net
namespace text {
class TextField;
}
namespace utils {
class Timer;
}
}  // namespace flash

namespace classes {

class CLoader;
class CXMLToArray;
class TimeLine;
class VolumeControl;
class VersionDetect;
class VideoInfo;

// The player movie: plays the video its host names, draws the controls and reports to the host.
class VideoPlayer : public flash::display::Sprite {
 public:
  static inline const QString TYPE_FLV = QStringLiteral("flv");
  static inline const QString TYPE_RTMP = QStringLiteral("rtmp");

  explicit VideoPlayer(flash::Player& player);
  ~VideoPlayer() override;

  // Host callbacks and the operations behind the controls.
  void playVideo(const QString& type, const QString& url);
  void pauseVideo();
  void resumeVideo();
  void closeVideo();
  void seekVideo(double seconds);
  void setVolume(double level);
  void setMute(bool mute);
  double getDuration() const;
  double getCurrPosition() const;
  void setFullScreen(const QString& mode);
  void setControlState(const QString& name, const QVariantMap& properties);
  void hideAllControl();
  void showAllControl();

  // Playback engine.
  void onPlayBtnClick();
  void onPauseBtnClick();
  void onClickScreen();
  void playState(bool playing);
  void connectStream();
  void netStatusHandler(const QString& code);
  void onMetaDataVideo();
  void onTimelineTimer();
  void onChangeTimeline();
  void onVolumeChange();
  void onVolumeMute();
  void clearConection();
  void _setVolume(double level);
  void securityErrorHandler(const QVariantMap& event);

  // Layout.
  void initDefault();
  void layoutDefault();
  void onResizeStage();
  void resizeVideo(double areaWidth, double areaHeight, double pictureWidth, double pictureHeight, bool inset = true);
  void _hideAllControl(double width, double height);
  void _showAllControl();
  void onClickFullScreen();
  void onFullScreen(bool fullScreen);
  void stageMouseUp(flash::events::MouseEvent& event);

  // XML skin: loading of the skin's parts, their assembly and their layout on the stage.
  void startSkinLoading();
  void onLoadAllCompleted();
  void onLoadPanel();
  void onNextLoad();
  void errorPlayer(int code);
  void layoutSkin();

  // Start-up completion: runs once the controls exist.
  void completeStartup();
  // Reads "false" as false and any other text as true.
  static bool setBoolean(const QString& text) { return text != QStringLiteral("false"); }

  // Fields, named as the movie's code names them.
  QString _url;
  QString _type_video;
  bool _auto_play = false;
  bool _hide_control = false;
  bool _mute_first = false;
  double _volume_first = 100;
  QString xml_path;
  QString pl_path;
  QString typeSkin = QStringLiteral("default");
  bool is_loadded = false;
  QVariantList loadedState;
  QVariantMap skins;
  std::shared_ptr<CXMLToArray> xml_encode;
  std::shared_ptr<CLoader> loader;

  std::shared_ptr<flash::net::NetConnection> connection;
  std::shared_ptr<flash::net::NetStream> stream;
  std::shared_ptr<VideoInfo> videoinfo;
  QString typeVideo;
  QString videoURL;
  QString rtpmRes;
  bool isVideoPlay = false;
  bool can_seek_timeline = false;
  std::shared_ptr<flash::utils::Timer> timelineTimer;
  flash::media::SoundTransform soundtransform;
  bool hasSoundTransform = false;

  std::shared_ptr<flash::media::Video> video;
  std::shared_ptr<flash::display::MovieClip> mcScreen = std::make_shared<flash::display::MovieClip>();
  std::shared_ptr<flash::display::Sprite> back = std::make_shared<flash::display::Sprite>();
  std::shared_ptr<flash::display::Sprite> backScreen = std::make_shared<flash::display::Sprite>();
  std::shared_ptr<flash::display::DisplayObject> panel;
  std::shared_ptr<flash::display::DisplayObject> playBtn;
  std::shared_ptr<flash::display::DisplayObject> pauseBtn;
  std::shared_ptr<flash::display::DisplayObject> fullscreenBtn;
  std::shared_ptr<flash::display::DisplayObject> preloader;
  std::shared_ptr<flash::text::TextField> timeCurr;
  std::shared_ptr<flash::text::TextField> timeFull;
  flash::text::TextFormat timeCurrformat;
  flash::text::TextFormat timeFullformat;
  std::shared_ptr<TimeLine> timeline;
  std::shared_ptr<VolumeControl> volume;
  bool is_showControl = true;
  QVariantMap normalState;
  std::shared_ptr<VersionDetect> ver;

 private:
  void readParameters();
  void registerCallbacks();
  void callHost(const QString& name, const QVariantList& arguments = {});
  void showPreloader(bool shown);
  void fitPicture();
  SkinKind skinKind() const;
  flash::display::Stage& stageRef() const;
  std::shared_ptr<flash::display::DisplayObject> partNamed(const QString& name) const;
  // The parts whose visibility hiding the controls saves, under their keys in normalState.
  std::vector<std::pair<QString, std::shared_ptr<flash::display::DisplayObject>>> partsSavedWhileHidden() const;
  // A not selectable time label of the given box, showing `text` in `format`.
  static std::shared_ptr<flash::text::TextField> MakeTimeLabel(const flash::text::TextFormat& format, double width,
                                                               double height, const QString& text);
  QVariantMap skinEntry(const QString& name) const { return skins.value(name).toMap(); }
  double skinNumber(const QString& entry, const QString& attribute) const;
  bool skinFlag(const QString& entry, const QString& attribute) const;
  void setButtonShown(const std::shared_ptr<flash::display::DisplayObject>& button, const QString& skinEntry,
                      bool shown);

  flash::Player& player_;
};

}  // namespace classes
