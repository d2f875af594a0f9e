#include "player/MovieHostBridge.h"

#include <QDomDocument>
#include <QFile>
#include <QLocale>

MovieCallReading ReadMovieCall(const QString& request, const std::function<QString(const QString&)>& askMovie)
{
  MovieCallReading reading;
  QDomDocument call;
  if (!call.setContent(request)) {
    return reading;
  }
  const QDomElement root = call.documentElement();
  reading.name = root.attribute(QStringLiteral("name"));

  if (reading.name == QStringLiteral("onMetaData")) {
    QDomDocument answer;
    if (answer.setContent(askMovie(kGetDurationRequest))) {
      bool ok = false;
      // Written with "." whatever the user's locale.
      const double seconds = QLocale::c().toDouble(answer.documentElement().text(), &ok);
      if (ok) {
        reading.duration = seconds;
      }
    }
  } else if (reading.name == QStringLiteral("onVideoStatus")) {
    const QString code = root.firstChildElement().firstChildElement().text();
    reading.playbackStarted = code == QStringLiteral("NetStream.Play.Start");
  }
  return reading;
}

QIODevice* OpenEmbeddedResource(const QString& path)
{
  if (path != QStringLiteral("FlashVideo.flv")) {
    return nullptr;
  }
  auto* clip = new QFile(QStringLiteral(":/FLV/FlashVideo"));
  if (!clip->open(QIODevice::ReadOnly)) {
    delete clip;
    return nullptr;
  }
  return clip;
}
