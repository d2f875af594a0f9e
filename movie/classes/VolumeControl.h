#pragma once

#include "movie/classes/CLoader.h"
#include "runtime/display/MovieClip.h"
#include "runtime/display/Sprite.h"
#include "runtime/events/MouseEvent.h"

#include <QVariantMap>

#include <memory>
#include <vector>

namespace classes {

// The volume widget: a speaker button that toggles mute and a row of twelve bars of growing height.
// Clicking a bar, or sweeping over the bars with the button held, sets the level in twelfths; lit bars
// show it. The level is 0 … 100.
class VolumeControl : public flash::display::MovieClip {
 public:
  static inline const QString ON_VOLUME_CHANGE = QStringLiteral("onVolumChange");
  static inline const QString ON_VOLUME_LOAD = QStringLiteral("onVolumLoad");
  static inline const QString ON_VOLUME_MUTE = QStringLiteral("onVolumMute");

  // One bar: its container, lit and unlit looks and, in the built-in look, its background strip.
  struct Bar {
    std::shared_ptr<flash::display::Sprite> mc;
    std::shared_ptr<flash::display::DisplayObject> bm;
    std::shared_ptr<flash::display::DisplayObject> bm1;
    std::shared_ptr<flash::display::Sprite> sp;
  };

  explicit VolumeControl(flash::Player& player);

  // Built-in look, at once, with the speaker and the muted-speaker buttons.
  void defaultInit(std::shared_ptr<flash::display::DisplayObject> speaker,
                   std::shared_ptr<flash::display::DisplayObject> mutedSpeaker);
  // Skinned look from the images `mute`, `inactive_mute`, `scale`, `inactive_scale` and the strip colour
  // `backcolor`. The bars follow when their images are in, then ON_VOLUME_LOAD; a bar image that fails
  // or is no bitmap ends the row at that bar and the event is never sent.
  void loadControl(const QVariantMap& skin);

  // Levels outside 0 … 100 are ignored.
  void setVolume(double v);
  double getVolume() const;
  void setMute(bool b);
  bool isMute() const { return mute; }
  void stageMouseUp(flash::events::MouseEvent& event);

  double count_vol = 12;
  double curr_vol = 100;
  bool mute = false;
  bool mouse_down = false;
  quint32 backColor = 0xFFFFFF;
  quint32 activeColor = 0x000000;
  quint32 inactiveColor = 0xC0C0C0;
  std::vector<Bar> sl;
  std::shared_ptr<flash::display::DisplayObject> speacer;
  std::shared_ptr<flash::display::DisplayObject> speacer_mute;
  std::shared_ptr<CLoader> loader;

 private:
  void listenForPress();
  void addSpeaker(const std::shared_ptr<flash::display::DisplayObject>& button);
  void onLoadAllCompleted();
  void onBarClick(flash::events::MouseEvent& event);
  void onBarSweep(flash::events::MouseEvent& event);
  void pickBar(const flash::events::MouseEvent& event);
  void toggleMute();
  void showLevel(int lastLit);

  flash::Player& player_;
};

}  // namespace classes
