#pragma once

#include "movie/MovieClasses.h"
#include "movie/MovieResource.h"
#include "movie/classes/VideoPlayer.h"
#include "runtime/FlashPlayerControl.h"
#include "runtime/Player.h"
#include "runtime/external/ExternalApiXml.h"
#include "tests/support/EventWait.h"
#include "tests/support/QtPrinters.h"

#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <functional>
#include <memory>

// The player movie loaded into a host control from its embedded file, with every call it makes to the
// host recorded as "name(arguments)". Waiting runs the event loop and looks again after every call to
// the host and every repaint of the control (a change on the stage).
class MovieHost : public QObject {
 public:
  struct Call {
    QString name;
    QVariantList arguments;
  };

  explicit MovieHost(QSize size = QSize(408, 380))
  {
    control.resize(size);
    control.show();
    control.setClockMode(flash::utils::Clock::Mode::Manual);
    RegisterPlayerMovieClasses(control.classes());
    QObject::connect(&control, &TFlashPlayerControl::OnFlashCall, &loop_, [this](const QString& request) {
      const auto invoke = flash::external::xml::decodeInvoke(request);
      if (invoke) {
        calls.push_back({invoke->name, invoke->arguments});
        if (onCall) {
          onCall(calls.back());
        }
      }
      loop_.quit();
    });
    control.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (watched == &control && event->type() == QEvent::Paint) {
      loop_.quit();
    }
    return false;
  }

  bool load(const QString& flashVars)
  {
    control.setFlashVars(flashVars);
    QFile movie(kPlayerMovieResource);
    movie.open(QIODevice::ReadOnly);
    return control.LoadMovieFromStream(&movie);
  }

  classes::VideoPlayer& movie() const { return *static_cast<classes::VideoPlayer*>(control.movie()->root()); }

  QStringList names() const
  {
    QStringList list;
    for (const Call& call : calls) {
      list << call.name;
    }
    return list;
  }

  QStringList statusCodes() const
  {
    QStringList codes;
    for (const Call& call : calls) {
      if (call.name == "onVideoStatus") {
        codes << call.arguments.value(0).toString();
      }
    }
    return codes;
  }

  // Calls a movie function the way the host does and returns its decoded answer.
  QVariant callMovie(const QString& name, const QVariantList& arguments = {})
  {
    const QString answer = control.CallFunction(flash::external::xml::encodeInvoke(name, arguments));
    return answer.isEmpty() ? QVariant() : flash::external::xml::decodeValue(answer).value_or(QVariant());
  }

  // Runs the event loop until the condition holds (at most 15 s).
  bool waitFor(const std::function<bool()>& condition)
  {
    return RunLoopUntil(loop_, condition);
  }

  bool waitForStatus(const QString& code)
  {
    return waitFor([&] { return statusCodes().contains(code); });
  }

  void advanceClock(qint64 ms) { control.movie()->clock()->advance(ms); }

  TFlashPlayerControl control;
  std::vector<Call> calls;
  std::function<void(const Call&)> onCall;

 private:
  QEventLoop loop_;
};
