// Runs the player movie on its own: a window with the host control, the movie's start parameters from
// the command line, and every call the movie makes to its host printed on standard output.
//   movie_host [--size WxH] [--movie file.swf] [name=value ...]
// Example: movie_host type_video=flv url=/videos/clip.flv auto_play=true
#include "movie/MovieClasses.h"
#include "movie/MovieResource.h"
#include "runtime/FlashPlayerControl.h"
#include "shared/Look.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QUrl>

#include <cstdio>

namespace {

// name=value pairs joined as start parameters; "&" and "%" inside a value are escaped.
QString StartParameters(const QStringList& pairs)
{
  QStringList parts;
  for (const QString& pair : pairs) {
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? pair : pair.left(equals);
    QString value = equals < 0 ? QString() : pair.mid(equals + 1);
    value.replace(QLatin1Char('%'), QStringLiteral("%25")).replace(QLatin1Char('&'), QStringLiteral("%26"));
    parts << name + QLatin1Char('=') + value;
  }
  return parts.join(QLatin1Char('&'));
}

}  // namespace

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Movie Host"));
  ApplyMacMetalLook(application);

  QStringList arguments = QApplication::arguments().mid(1);
  QSize size(408, 380);
  QString moviePath = kPlayerMovieResource;
  while (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"))) {
    const QString option = arguments.takeFirst();
    const QString value = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (option == QStringLiteral("--size")) {
      const QStringList parts = value.split(QLatin1Char('x'));
      size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
    } else if (option == QStringLiteral("--movie")) {
      moviePath = value;
    } else {
      std::fprintf(stderr, "unknown option %s\n", qPrintable(option));
      return 2;
    }
  }

  TFlashPlayerControl control;
  control.setWindowTitle(QStringLiteral("Movie Host"));
  control.resize(size);
  control.setAllowFullscreen(true);
  control.setBGColor(QStringLiteral("#000000"));
  RegisterPlayerMovieClasses(control.classes());
  QObject::connect(&control, &TFlashPlayerControl::OnFlashCall, [](const QString& request) {
    std::printf("%s\n", qPrintable(request));
    std::fflush(stdout);
  });
  QObject::connect(&control, &TFlashPlayerControl::OnLoadExternalResourceAsync, [](const QString& path, QIODevice**) {
    std::printf("resource asked: %s\n", qPrintable(path));
    std::fflush(stdout);
  });
  control.setFlashVars(StartParameters(arguments));
  QFile movie(moviePath);
  if (!movie.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read the movie %s\n", qPrintable(moviePath));
    return 1;
  }
  control.show();
  if (!control.LoadMovieFromStream(&movie)) {
    std::fprintf(stderr, "the movie cannot start: %s\n", qPrintable(control.MovieError()));
    return 1;
  }
  return QApplication::exec();
}
