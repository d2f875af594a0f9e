#include "tests/support/Media.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <cstdio>

bool MakeMedia(MediaKind kind, const QString& path, int seconds)
{
  const QString length = QString::number(seconds);
  QStringList arguments{"-hide_banner", "-loglevel", "error", "-nostdin", "-y",
                        "-f", "lavfi", "-i", QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3")
                                              .arg(kind == MediaKind::FlvWithMp3 ? "320x240" : "640x360")
                                              .arg(kind == MediaKind::FlvWithMp3 ? 12 : 25)
                                              .arg(length)};
  if (kind != MediaKind::Mp4VideoOnly) {
    arguments << "-f" << "lavfi" << "-i" << QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(length);
  }
  switch (kind) {
  case MediaKind::FlvWithMp3:
    arguments << "-c:v" << "flv1" << "-c:a" << "libmp3lame" << "-ar" << "22050";
    break;
  case MediaKind::Mp4WithAac:
    arguments << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-pix_fmt" << "yuv420p" << "-c:a" << "aac";
    break;
  case MediaKind::Mp4VideoOnly:
    arguments << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-pix_fmt" << "yuv420p";
    break;
  }
  arguments << path;
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", arguments);
  if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0) {
    std::fprintf(stderr, "ffmpeg could not make %s: %s\n", qPrintable(path), ffmpeg.readAllStandardError().constData());
    return false;
  }
  return true;
}

MediaFacts ProbeMedia(const QString& path)
{
  QProcess ffprobe;
  ffprobe.start("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                            "stream=codec_name,bit_rate:format=duration", "-of", "json", path});
  ffprobe.waitForFinished(60000);
  const QJsonObject report = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
  MediaFacts facts;
  const QJsonObject stream = report.value("streams").toArray().at(0).toObject();
  facts.audioCodec = stream.value("codec_name").toString();
  facts.bitRate = stream.value("bit_rate").toString().toInt();
  facts.duration = report.value("format").toObject().value("duration").toString().toDouble();
  return facts;
}
