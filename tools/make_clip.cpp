// Turns the FLV clip that ffmpeg made into the player's embedded clip: header flags 0x0D, and one
// "onMetaData" tag first, with its fields in a fixed order and values measured from the clip itself.
//   make_clip <ffmpeg's clip.flv> <embedded clip.flv>
#include "runtime/media/FlvFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace media;

namespace {

constexpr quint8 kFlags = 0x0D;  // audio and video present, plus the reserved bit the clip has always carried
constexpr double kMp3FrameSeconds = 576.0 / 11025.0;

bool IsKeyFrame(const flv::Tag& tag)
{
  return tag.type == flv::Video && !tag.data.isEmpty() && (static_cast<quint8>(tag.data[0]) >> 4) == 1;
}

amf0::Properties Metadata(const QList<flv::Tag>& media, qsizetype fileSize, qsizetype dataSize)
{
  quint32 lastTimestamp = 0;
  quint32 lastKeyFrame = 0;
  quint32 lastAudio = 0;
  qsizetype videoSize = 0;
  qsizetype audioSize = 0;
  bool lastVideoIsKey = false;
  for (const flv::Tag& tag : media) {
    lastTimestamp = qMax(lastTimestamp, tag.timestamp);
    const qsizetype tagBytes = 11 + tag.data.size() + 4;
    if (tag.type == flv::Video) {
      videoSize += tagBytes;
      lastVideoIsKey = IsKeyFrame(tag);
      if (lastVideoIsKey) {
        lastKeyFrame = tag.timestamp;
      }
    } else if (tag.type == flv::Audio) {
      audioSize += tagBytes;
      lastAudio = tag.timestamp;
    }
  }
  const double duration = qRound((lastAudio / 1000.0 + kMp3FrameSeconds) * 1000) / 1000.0;
  return {
      {"duration", duration},
      {"lasttimestamp", lastTimestamp / 1000.0},
      {"lastkeyframetimestamp", lastKeyFrame / 1000.0},
      {"videocodecid", 2.0},
      {"audiocodecid", 2.0},
      {"audiodelay", 0.0},
      {"canSeekToEnd", lastVideoIsKey},
      {"width", 320.0},
      {"height", 240.0},
      {"videodatarate", 0.0},
      {"audiodatarate", 0.0},
      {"framerate", 12.0},
      {"creationdate", QStringLiteral("unknown")},
      {"metadatacreator", QStringLiteral("Kavo clip writer 1.0")},
      {"metadatadate", QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC)},
      {"filesize", static_cast<double>(fileSize)},
      {"videosize", static_cast<double>(videoSize)},
      {"audiosize", static_cast<double>(audioSize)},
      {"datasize", static_cast<double>(dataSize)},
  };
}

}  // namespace

int main(int argc, char** argv)
{
  QCoreApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_clip <ffmpeg clip> <embedded clip>\n");
    return 2;
  }
  QFile input(QString::fromLocal8Bit(argv[1]));
  if (!input.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  QString error;
  const auto source = flv::Read(input.readAll(), &error);
  if (!source) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
    return 1;
  }
  QList<flv::Tag> media;
  for (const flv::Tag& tag : source->tags) {
    if (tag.type == flv::Audio || tag.type == flv::Video) {
      media.append(tag);
    }
  }
  // Pictures come at exactly 12 per second from the clip's start, with the sound from 0 as well.
  int frame = 0;
  for (flv::Tag& tag : media) {
    if (tag.type == flv::Video) {
      tag.timestamp = static_cast<quint32>(frame++ * 1000 / 12);
    }
  }
  // Picture before sound at equal times, so that readers list the video stream first.
  std::stable_sort(media.begin(), media.end(), [](const flv::Tag& a, const flv::Tag& b) {
    return a.timestamp != b.timestamp ? a.timestamp < b.timestamp : a.type > b.type;
  });

  // Numbers have a fixed width, so the script tag's size does not depend on the values: measure it
  // with placeholders, then write it with the real sizes.
  const qsizetype dataSize = 11 + flv::ScriptTagData("onMetaData", Metadata(media, 0, 0)).size() + 4;
  flv::File clip{kFlags, {}};
  clip.tags.append({flv::ScriptData, 0, {}});
  clip.tags.append(media);
  const qsizetype fileSize = flv::Write(clip).size() + dataSize - 15;
  clip.tags[0].data = flv::ScriptTagData("onMetaData", Metadata(media, fileSize, dataSize));

  const QByteArray bytes = flv::Write(clip);
  if (bytes.size() != fileSize) {
    std::fprintf(stderr, "size mismatch: %lld written, %lld announced\n", static_cast<long long>(bytes.size()),
                 static_cast<long long>(fileSize));
    return 1;
  }
  QFile output(QString::fromLocal8Bit(argv[2]));
  if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
