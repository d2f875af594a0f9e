#pragma once

#include "runtime/display/MovieClip.h"
#include "runtime/display/Shape.h"
#include "runtime/events/MouseEvent.h"

#include <memory>
#include <vector>

namespace classes {

// The volume widget: a speaker button that toggles mute and twelve bars of growing height; a click or a
// sweep with the button held over the bars sets the level in twelfths.
class VolumeControl : public flash::display::MovieClip {
 public:
  static inline const QString ON_VOLUME_CHANGE = QStringLiteral("onVolumChange");
  static inline const QString ON_VOLUME_LOAD = QStringLiteral("onVolumLoad");
  static inline const QString ON_VOLUME_MUTE = QStringLiteral("onVolumMute");

  struct Bar {
    std::shared_ptr<flash::display::MovieClip> mc;
    std::shared_ptr<flash::display::DisplayObject> bm;
    std::shared_ptr<flash::display::DisplayObject> bm1;
    std::shared_ptr<flash::display::Sprite> sp;
  };

  // Builds the built-in look with the speaker and the muted-speaker buttons.
  void defaultInit(std::shared_ptr<flash::display::DisplayObject> speaker,
                   std::shared_ptr<flash::display::DisplayObject> mutedSpeaker);
  void setVolume(double level);
  double getVolume() const;
  void setMute(bool muted);
  bool isMute() const { return mute; }
  void stageMouseUp(flash::events::MouseEvent& event);

  int count_vol = 12;
  double curr_vol = 100;
  bool mute = false;
  bool mouse_down = false;
  quint32 backColor = 0xFFFFFF;
  quint32 activeColor = 0x000000;
  quint32 inactiveColor = 0xC0C0C0;
  std::vector<Bar> sl;
  std::shared_ptr<flash::display::DisplayObject> speacer;
  std::shared_ptr<flash::display::DisplayObject> speacer_mute;

 private:
  void barClick(const flash::display::DisplayObject* piece);
  void toggleMute();
};

}  // namespace classes
