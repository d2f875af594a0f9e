#pragma once

#include "runtime/Player.h"
#include "runtime/display/Bitmap.h"
#include "runtime/events/EventDispatcher.h"
#include "runtime/swf/SwfWriter.h"
#include "tests/support/QtPrinters.h"

#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

namespace movie_test {

// A movie of 408 × 380 on a clock driven by hand, with what the test gives it as its host.
inline std::unique_ptr<flash::Player> MakePlayer(flash::Player::Host host = {})
{
  flash::swf::MovieFile movie;
  movie.frameRect = QRectF(0, 0, 408, 380);
  return std::make_unique<flash::Player>(movie, QMap<QString, QString>{},
                                         std::make_shared<flash::utils::Clock>(flash::utils::Clock::Mode::Manual),
                                         std::move(host));
}

// Records the types of the events a dispatcher sends, in order, and lets the test wait for them.
class EventLog {
 public:
  void listen(flash::events::EventDispatcher& dispatcher, const QStringList& types)
  {
    for (const QString& type : types) {
      dispatcher.addEventListener(type, [this](flash::events::Event& event) {
        seen << event.type();
        loop_.quit();
      });
    }
  }
  int count(const QString& type) const { return static_cast<int>(seen.count(type)); }
  // Runs the event loop until `type` has been seen `times` times, or a guard of 15 s ran out.
  bool waitFor(const QString& type, int times = 1)
  {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop_, &QEventLoop::quit);
    guard.start(15000);
    while (count(type) < times && guard.isActive()) {
      loop_.exec();
    }
    return count(type) >= times;
  }

  QStringList seen;

 private:
  QEventLoop loop_;
};

// Collects the movie's trace lines while it exists.
class TraceCapture {
 public:
  TraceCapture() : previous_(qInstallMessageHandler(&TraceCapture::handle)) { active() = this; }
  ~TraceCapture()
  {
    qInstallMessageHandler(previous_);
    active() = nullptr;
  }
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  QStringList lines;

 private:
  static TraceCapture*& active()
  {
    static TraceCapture* capture = nullptr;
    return capture;
  }
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
  {
    if (active() != nullptr && context.category != nullptr && QByteArray(context.category) == "kavo.movie.trace") {
      active()->lines << text;
      return;
    }
    if (active() != nullptr && active()->previous_ != nullptr) {
      active()->previous_(type, context, text);
    }
  }
  QtMessageHandler previous_;
};

// Lets every event already queued run (deliveries that are due "after the call returns").
inline void RunQueuedEvents()
{
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
}

// A picture of one colour written as `path` in the format its suffix names (png, jpg).
inline bool WriteImage(const QString& path, int width, int height, QRgb colour)
{
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image.save(path);
}

// Runs the machine's ffmpeg with the arguments (for the picture formats Qt cannot write).
inline bool RunFfmpeg(const QStringList& arguments)
{
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-hide_banner", "-loglevel", "error", "-y"} + arguments);
  return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A SWF file with the given header facts and background colour.
inline QByteArray SwfFile(int version, QSizeF stage, double frameRate, quint32 background)
{
  flash::swf::MovieFile movie;
  movie.version = version;
  movie.frameRect = QRectF(QPointF(0, 0), stage);
  movie.frameRate = frameRate;
  movie.fileAttributes = 0x08;
  movie.backgroundColor = background;
  return flash::swf::writeMovie(movie);
}

}  // namespace movie_test

namespace movie_test {

// A bitmap of one colour, as the library's tiny seek-bar pictures are.
inline std::shared_ptr<flash::display::Bitmap> Tiny(int width, int height, quint32 colour)
{
  return std::make_shared<flash::display::Bitmap>(
      std::make_shared<flash::display::BitmapData>(width, height, false, colour));
}

// The seek bar's built-in pieces: handle 2 × 7 black, track pieces 2 × 5 grey, fill 2 × 5 near-black.
inline std::vector<std::shared_ptr<flash::display::Bitmap>> SeekBarPieces()
{
  return {Tiny(2, 7, 0x000000), Tiny(2, 5, 0x9F9F9F), Tiny(2, 5, 0x9F9F9F), Tiny(2, 5, 0x9F9F9F), Tiny(2, 5, 0x010101)};
}

}  // namespace movie_test
