#include "runtime/Player.h"

#include "runtime/Trace.h"
#include "runtime/display/MovieClip.h"

#include <QDir>
#include <QUrl>
#include <QNetworkAccessManager>

#include <cmath>
#include <exception>

namespace flash {

namespace {

template <class Visit>
void ForEachOnStage(display::DisplayObject& object, const Visit& visit)
{
  visit(object);
  if (auto* container = dynamic_cast<display::DisplayObjectContainer*>(&object)) {
    for (const auto& child : container->children()) {
      ForEachOnStage(*child, visit);
    }
  }
}

bool IsRelative(const QString& path)
{
  return !path.isEmpty() && QDir::isRelativePath(path) && QUrl(path).scheme().isEmpty();
}

}  // namespace

Player::Player(swf::MovieFile movie, QMap<QString, QString> parameters, std::shared_ptr<utils::Clock> clock, Host host)
    : movie_(std::move(movie)), parameters_(std::move(parameters)), clock_(std::move(clock)), host_(std::move(host)),
      externalInterface_(host_.call), stage_(std::make_shared<display::Stage>(movie_.stageSize(), this))
{
  stage_->setFrameRate(movie_.frameRate > 0 ? movie_.frameRate : 12);
}

Player::~Player()
{
  shutdown();
}

QString Player::start(const MovieClassRegistry& classes)
{
  const QString rootClass = movie_.rootClass();
  if (rootClass.isEmpty()) {
    return QStringLiteral("the movie file names no root class");
  }
  if (!classes.contains(rootClass)) {
    return QStringLiteral("the movie's root class \"%1\" is not known to this runtime").arg(rootClass);
  }
  try {
    root_ = classes.create(rootClass, *this);
  } catch (const std::exception& error) {
    return QStringLiteral("the movie's root class \"%1\" failed to start: %2").arg(rootClass, QString::fromUtf8(error.what()));
  }
  if (!root_) {
    return QStringLiteral("the movie's root class \"%1\" made no object").arg(rootClass);
  }
  runGuarded(QStringLiteral("the movie's start"), [this] { stage_->addChild(root_); });
  return {};
}

std::shared_ptr<QIODevice> Player::openExternalResource(const QString& relativePath)
{
  if (shutDown_ || !host_.openResource || !IsRelative(relativePath)) {
    return nullptr;
  }
  QIODevice* stream = host_.openResource(relativePath);
  if (stream == nullptr) {
    return nullptr;
  }
  if (!stream->isOpen()) {
    stream->open(QIODevice::ReadOnly);
  } else if (!stream->isSequential()) {
    stream->seek(0);
  }
  const std::weak_ptr<bool> alive = alive_;
  return std::shared_ptr<QIODevice>(stream, [alive, closing = host_.resourceClosing](QIODevice* device) {
    if (!alive.expired() && closing) {
      closing(device);
    }
    delete device;
  });
}

QNetworkAccessManager* Player::networkAccess()
{
  if (!network_ && !shutDown_) {
    network_ = std::make_unique<QNetworkAccessManager>();
  }
  return shutDown_ ? nullptr : network_.get();
}

void Player::wakeFrameClock()
{
  if (frameTask_ == 0 && !shutDown_) {
    frameOrigin_ = clock_->now();
    framesRun_ = 0;
    scheduleFrame();
  }
}

void Player::scheduleFrame()
{
  const double period = 1000.0 / stage_->frameRate();
  const qint64 due = frameOrigin_ + std::llround((framesRun_ + 1) * period);
  const std::weak_ptr<bool> alive = alive_;
  frameTask_ = clock_->schedule(due - clock_->now(), [this, alive] {
    if (!alive.expired()) {
      frameTask_ = 0;
      frameTick();
    }
  });
}

void Player::frameTick()
{
  ++framesRun_;
  std::vector<std::shared_ptr<display::DisplayObject>> onStage;
  ForEachOnStage(*stage_, [&onStage](display::DisplayObject& object) {
    if (auto held = std::dynamic_pointer_cast<display::DisplayObject>(object.weak_from_this().lock())) {
      onStage.push_back(std::move(held));
    }
  });
  runGuarded(QStringLiteral("a frame"), [&onStage] {
    for (const auto& object : onStage) {
      if (auto* clip = dynamic_cast<display::MovieClip*>(object.get())) {
        clip->advanceFrame();
      }
    }
  });
  for (const auto& object : onStage) {
    if (shutDown_) {
      return;
    }
    if (object->hasEventListener(events::Event::ENTER_FRAME)) {
      runGuarded(QStringLiteral("an enterFrame listener"), [&object] {
        events::Event enterFrame(events::Event::ENTER_FRAME);
        object->dispatchEvent(enterFrame);
      });
    }
  }
  if (!shutDown_ && frameTask_ == 0 && needsFrames()) {
    scheduleFrame();
  }
}

bool Player::needsFrames() const
{
  bool needed = false;
  ForEachOnStage(*stage_, [&needed](display::DisplayObject& object) {
    if (object.hasEventListener(events::Event::ENTER_FRAME)) {
      needed = true;
    } else if (auto* clip = dynamic_cast<display::MovieClip*>(&object)) {
      needed = needed || (clip->isPlaying() && clip->totalFrames() > 1);
    }
  });
  return needed;
}

void Player::shutdown()
{
  if (shutDown_) {
    return;
  }
  shutDown_ = true;
  clock_->close();
  frameTask_ = 0;
  externalInterface_.close();
  stage_->mouseInput().stopDrag(nullptr);
  stage_->setDisplayStateHandler({});
  stage_->setRepaintHandler({});
  const auto hooks = std::move(shutdownHooks_);
  for (const auto& hook : hooks) {
    runGuarded(QStringLiteral("the movie's end"), hook);
  }
}

}  // namespace flash
