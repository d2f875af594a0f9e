#pragma once

#include "runtime/display/Sprite.h"

#include <functional>
#include <map>

namespace flash::display {

// A sprite with a timeline of frames (numbered from 1) that advances one frame per tick of the movie's
// frame clock while it plays.
class MovieClip : public Sprite {
 public:
  explicit MovieClip(int totalFrames = 1);

  int totalFrames() const { return totalFrames_; }
  int currentFrame() const { return currentFrame_; }
  bool isPlaying() const { return playing_; }

  void play();
  void stop();
  void gotoAndPlay(int frame);
  void gotoAndStop(int frame);
  void nextFrame();
  void prevFrame();
  // Code that runs each time the timeline enters `frame`.
  void addFrameScript(int frame, std::function<void()> script);

  // One tick of the frame clock: moves to the next frame (after the last, back to the first) while playing.
  void advanceFrame();

 protected:
  // Shows the content of `frame`; called whenever the current frame changes.
  virtual void frameEntered(int /*frame*/) {}

 private:
  void enter(int frame);

  int totalFrames_;
  int currentFrame_ = 1;
  bool playing_;
  std::map<int, std::function<void()>> frameScripts_;
};

}  // namespace flash::display
