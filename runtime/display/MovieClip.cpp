#include "runtime/display/MovieClip.h"

#include "runtime/display/Stage.h"

namespace flash::display {

MovieClip::MovieClip(int totalFrames) : totalFrames_(std::max(totalFrames, 1)), playing_(totalFrames_ > 1) {}

void MovieClip::play()
{
  if (playing_) {
    return;
  }
  playing_ = true;
  if (Stage* stage = this->stage()) {
    stage->wakeFrameClock();
  }
}

void MovieClip::stop()
{
  playing_ = false;
}

void MovieClip::gotoAndPlay(int frame)
{
  enter(frame);
  play();
}

void MovieClip::gotoAndStop(int frame)
{
  stop();
  enter(frame);
}

void MovieClip::nextFrame()
{
  gotoAndStop(std::min(currentFrame_ + 1, totalFrames_));
}

void MovieClip::prevFrame()
{
  gotoAndStop(std::max(currentFrame_ - 1, 1));
}

void MovieClip::addFrameScript(int frame, std::function<void()> script)
{
  frameScripts_[frame] = std::move(script);
}

void MovieClip::advanceFrame()
{
  if (playing_ && totalFrames_ > 1) {
    enter(currentFrame_ % totalFrames_ + 1);
  }
}

void MovieClip::enter(int frame)
{
  frame = std::clamp(frame, 1, totalFrames_);
  if (frame == currentFrame_) {
    return;
  }
  currentFrame_ = frame;
  frameEntered(frame);
  invalidate();
  const auto script = frameScripts_.find(frame);
  if (script != frameScripts_.end()) {
    const auto run = script->second;
    run();
  }
}

}  // namespace flash::display
