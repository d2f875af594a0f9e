// Saves pictures of the player movie playing a video, drawn by the runtime on whatever platform runs it:
// playing, paused, with the preloader, with the controls hidden, and at a second stage size.
//   capture_movie <folder> <video> [WxH for the second size]
#include "movie/MovieClasses.h"
#include "movie/MovieResource.h"
#include "runtime/FlashPlayerControl.h"
#include "runtime/external/ExternalApiXml.h"
#include "shared/Look.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

class Capture {
 public:
  explicit Capture(QString folder) : folder_(std::move(folder))
  {
    control_.setAllowFullscreen(true);
    control_.setBGColor(QStringLiteral("#000000"));
    RegisterPlayerMovieClasses(control_.classes());
    QObject::connect(&control_, &TFlashPlayerControl::OnFlashCall, &loop_, [this](const QString& request) {
      if (request.contains(QStringLiteral("NetStream.Buffer.Full"))) {
        bufferFull_ = true;
      }
      loop_.quit();
    });
  }

  bool load(QSize size, const QString& video)
  {
    control_.resize(size);
    control_.show();
    control_.setFlashVars(QStringLiteral("type_video=flv&auto_play=true&url=") +
                          QString(video).replace(QLatin1Char('%'), QStringLiteral("%25")).replace(QLatin1Char('&'), QStringLiteral("%26")));
    QFile movie(kPlayerMovieResource);
    movie.open(QIODevice::ReadOnly);
    bufferFull_ = false;
    if (!control_.LoadMovieFromStream(&movie)) {
      std::fprintf(stderr, "%s\n", qPrintable(control_.MovieError()));
      return false;
    }
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop_, &QEventLoop::quit);
    guard.start(10000);
    while (!bufferFull_ && guard.isActive()) {
      loop_.exec();
    }
    return bufferFull_;
  }

  // Lets the video play on for a while so the picture and the clock move.
  void playFor(int ms)
  {
    QTimer::singleShot(ms, &loop_, &QEventLoop::quit);
    loop_.exec();
  }

  void call(const QString& name, const QVariantList& arguments = {})
  {
    control_.CallFunction(flash::external::xml::encodeInvoke(name, arguments));
  }

  void save(const QString& name)
  {
    control_.grab().save(folder_ + QLatin1Char('/') + name);
  }

 private:
  QString folder_;
  TFlashPlayerControl control_;
  QEventLoop loop_;
  bool bufferFull_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  ApplyMacMetalLook(application);
  if (argc < 3) {
    std::fprintf(stderr, "usage: capture_movie <folder> <video> [WxH]\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString video = QString::fromLocal8Bit(argv[2]);
  const QStringList second = QString::fromLocal8Bit(argc > 3 ? argv[3] : "640x300").split(QLatin1Char('x'));

  Capture capture(folder);
  if (!capture.load(QSize(408, 380), video)) {
    return 1;
  }
  capture.playFor(2500);
  capture.save(QStringLiteral("movie-playing.png"));
  capture.call(QStringLiteral("pauseVideo"));
  capture.playFor(300);
  capture.save(QStringLiteral("movie-paused.png"));
  capture.call(QStringLiteral("setControlState"), {QStringLiteral("preloader"), QVariantMap{{"visible", true}}});
  capture.playFor(700);
  capture.save(QStringLiteral("movie-preloader.png"));
  capture.call(QStringLiteral("setControlState"), {QStringLiteral("preloader"), QVariantMap{{"visible", false}}});
  capture.call(QStringLiteral("resumeVideo"));
  capture.call(QStringLiteral("hideAllControl"));
  capture.playFor(1000);
  capture.save(QStringLiteral("movie-hidden.png"));

  if (!capture.load(QSize(second.value(0).toInt(), second.value(1).toInt()), video)) {
    return 1;
  }
  capture.playFor(1500);
  capture.save(QStringLiteral("movie-other-size.png"));
  return 0;
}
