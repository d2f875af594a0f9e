#pragma once

#include "runtime/MovieClassRegistry.h"
#include "runtime/display/Stage.h"
#include "runtime/external/ExternalInterface.h"
#include "runtime/swf/MovieFile.h"
#include "runtime/system/System.h"
#include "runtime/utils/Clock.h"

#include <QIODevice>
#include <QMap>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

class QNetworkAccessManager;

namespace flash {

// One running movie: its stage, clock, parameters and line to the host. Made by the host control for
// each movie it loads and shut down when the next one replaces it.
class Player {
 public:
  // What the host gives the movie. Display-state requests and repaints go through the stage's own
  // handlers.
  struct Host {
    external::ExternalInterface::HostHandler call;
    // A stream for a path relative to the movie, or null; the runtime owns what it gets.
    std::function<QIODevice*(const QString& relativePath)> openResource;
    // Told just before a stream from openResource is freed.
    std::function<void(QIODevice*)> resourceClosing;
    // The folder of the movie's own location (a folder URL ending in "/"); empty when it has none.
    QUrl base;
  };

  Player(swf::MovieFile movie, QMap<QString, QString> parameters, std::shared_ptr<utils::Clock> clock, Host host);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Makes the root object of the class the movie file names and puts it on the stage. Returns why that
  // failed, or an empty text.
  QString start(const MovieClassRegistry& classes);

  display::Stage& stage() { return *stage_; }
  const std::shared_ptr<utils::Clock>& clock() const { return clock_; }
  external::ExternalInterface& externalInterface() { return externalInterface_; }
  // The movie's start parameters (its loaderInfo's parameters).
  const QMap<QString, QString>& parameters() const { return parameters_; }
  const swf::MovieFile& movieFile() const { return movie_; }
  display::DisplayObject* root() const { return root_.get(); }

  // Opens a path relative to the movie through the host; null when the host has no stream for it (and,
  // without asking the host, for absolute paths and addresses).
  // The stream's owner frees it when done, and the host hears of that first.
  std::shared_ptr<QIODevice> openExternalResource(const QString& relativePath);
  // Where relative paths the host does not serve are looked for; empty when the movie has no location.
  const QUrl& movieBase() const { return host_.base; }
  // The movie's network access; null once the movie has ended (loads then deliver nothing).
  QNetworkAccessManager* networkAccess();
  system::System& system() { return system_; }

  // Makes sure the frame clock ticks while any clip plays or anything listens for enterFrame.
  void wakeFrameClock();
  // Runs when the movie ends: loads and media stop here.
  void addShutdownHook(std::function<void()> hook) { shutdownHooks_.push_back(std::move(hook)); }
  // Ends the movie: timers, the frame clock, host calls in both directions, loads and media stop.
  void shutdown();
  bool isShutDown() const { return shutDown_; }

 private:
  void scheduleFrame();
  void frameTick();
  bool needsFrames() const;

  swf::MovieFile movie_;
  QMap<QString, QString> parameters_;
  std::shared_ptr<utils::Clock> clock_;
  Host host_;
  external::ExternalInterface externalInterface_;
  std::shared_ptr<display::Stage> stage_;
  std::shared_ptr<display::DisplayObject> root_;
  std::vector<std::function<void()>> shutdownHooks_;
  std::unique_ptr<QNetworkAccessManager> network_;
  system::System system_;
  utils::Clock::TaskId frameTask_ = 0;
  qint64 frameOrigin_ = 0;
  qint64 framesRun_ = 0;
  bool shutDown_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace flash
