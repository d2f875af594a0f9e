// Our playback engine (libmpv with pictures rendered in software for the movie) against the mpv player
// on the same files, in one run:
//   first frame   from play() to the first picture drawn, against `mpv --frames=1` (start to exit)
//   CPU           seconds of processor per 10 s of playback at the video's own size, against
//                 `mpv --vo=null --ao=null --length=10` (decoding without drawing)
//   seek          from seek() to the sought picture drawn, against the extra time `mpv --start=T
//                 --frames=1` takes over `--frames=1`
//   memory        resident size after 100 open/close cycles, against the size after the first one
//   playback_bench <file> [<file> ...]
//   playback_bench --memory-only <file>
#include "runtime/media/MpvStream.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double CpuSeconds(int who)
{
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long ResidentKilobytes()
{
  QFile status(QStringLiteral("/proc/self/status"));
  status.open(QIODevice::ReadOnly);
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').first().toLong();
    }
  }
  return 0;
}

// Runs the event loop until `done` holds or `limitMs` passed.
bool RunUntil(const std::function<bool()>& done, int limitMs, QObject* wakeSource, const char* wakeSignal)
{
  QEventLoop loop;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(wakeSource, wakeSignal, &loop, SLOT(quit()));
  guard.start(limitMs);
  while (!done() && guard.isActive()) {
    loop.exec();
  }
  return done();
}

double TimeMpv(const QStringList& arguments)
{
  QProcess mpv;
  QElapsedTimer clock;
  clock.start();
  mpv.start(QStringLiteral("mpv"), QStringList{"--no-config", "--really-quiet", "--ao=null", "--vo=null"} + arguments);
  mpv.waitForFinished(-1);
  return clock.nsecsElapsed() / 1e9;
}

double OurFirstFrame(const QString& file)
{
  // Like the mpv run it is compared with, this includes setting the player up.
  QElapsedTimer clock;
  clock.start();
  media::MpvStream stream;
  int frames = 0;
  QObject::connect(&stream, &media::MpvStream::frameReady, [&] { ++frames; });
  stream.play(file);
  RunUntil([&] { return frames > 0; }, 10000, &stream, SIGNAL(frameReady()));
  return clock.nsecsElapsed() / 1e9;
}

double OurCpuPerTenSeconds(const QString& file)
{
  media::MpvStream stream;
  stream.play(file);
  int frames = 0;
  QObject::connect(&stream, &media::MpvStream::frameReady, [&] { ++frames; });
  RunUntil([&] { return frames > 0; }, 10000, &stream, SIGNAL(frameReady()));
  const double before = CpuSeconds(RUSAGE_SELF);
  QElapsedTimer clock;
  clock.start();
  RunUntil([&] { return clock.elapsed() >= 10000; }, 11000, &stream, SIGNAL(frameReady()));
  return (CpuSeconds(RUSAGE_SELF) - before) * 10000.0 / clock.elapsed();
}

double PeerCpuPerTenSeconds(const QString& file)
{
  const double before = CpuSeconds(RUSAGE_CHILDREN);
  TimeMpv({"--length=10", file});
  return CpuSeconds(RUSAGE_CHILDREN) - before;
}

double OurSeek(const QString& file, double position)
{
  media::MpvStream stream;
  QStringList codes;
  int frames = 0;
  QObject::connect(&stream, &media::MpvStream::status, [&](const QString& code) { codes << code; });
  QObject::connect(&stream, &media::MpvStream::frameReady, [&] { ++frames; });
  stream.play(file);
  // Playing has begun once the first picture is drawn and the start is reported.
  RunUntil([&] { return frames > 0 && codes.contains(QStringLiteral("NetStream.Buffer.Full")); }, 10000, &stream,
           SIGNAL(frameReady()));
  stream.pause();
  codes.clear();
  const int framesBefore = frames;
  QElapsedTimer clock;
  clock.start();
  stream.seek(position);
  RunUntil([&] { return codes.contains(QStringLiteral("NetStream.Seek.Notify")) && frames > framesBefore; }, 10000,
           &stream, SIGNAL(frameReady()));
  return clock.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  const QStringList files = QCoreApplication::arguments().mid(1);
  if (files.isEmpty()) {
    std::fprintf(stderr, "usage: playback_bench <file> [<file> ...]\n");
    return 2;
  }
  constexpr int kRounds = 5;
  const bool memoryOnly = files.first() == QStringLiteral("--memory-only");
  const QStringList measured = memoryOnly ? QStringList() : files;
  const QString cycled = memoryOnly ? files.value(1) : files.first();
  for (const QString& file : measured) {
    std::vector<double> ours;
    std::vector<double> peer;
    for (int round = 0; round < kRounds; ++round) {
      ours.push_back(OurFirstFrame(file));
      peer.push_back(TimeMpv({"--frames=1", file}));
    }
    const double ourFirst = Median(ours);
    const double peerFirst = Median(peer);

    const double ourCpu = OurCpuPerTenSeconds(file);
    const double peerCpu = PeerCpuPerTenSeconds(file);

    ours.clear();
    peer.clear();
    for (int round = 0; round < kRounds; ++round) {
      ours.push_back(OurSeek(file, 12.34));
      peer.push_back(TimeMpv({"--start=12.34", "--frames=1", file}) - TimeMpv({"--frames=1", file}));
    }
    const double ourSeek = Median(ours);
    const double peerSeek = std::max(0.001, Median(peer));

    std::printf("%s\n", qPrintable(file));
    std::printf("  first frame  ours %.3f s  mpv %.3f s  ratio %.2f\n", ourFirst, peerFirst, ourFirst / peerFirst);
    std::printf("  CPU / 10 s   ours %.3f s  mpv %.3f s  ratio %.2f\n", ourCpu, peerCpu, ourCpu / peerCpu);
    std::printf("  seek         ours %.3f s  mpv %.3f s  ratio %.2f\n", ourSeek, peerSeek, ourSeek / peerSeek);
  }

  long afterFirst = 0;
  long halfway = 0;
  for (int cycle = 1; cycle <= 100; ++cycle) {
    media::MpvStream stream;
    int frames = 0;
    QObject::connect(&stream, &media::MpvStream::frameReady, [&] { ++frames; });
    stream.play(cycled);
    RunUntil([&] { return frames > 0; }, 10000, &stream, SIGNAL(frameReady()));
    stream.close();
    if (cycle == 1) {
      afterFirst = ResidentKilobytes();
    } else if (cycle == 50) {
      halfway = ResidentKilobytes();
    }
  }
  const long afterHundred = ResidentKilobytes();
  std::printf("memory: %ld kB after 1 open/close, %ld kB after 50, %ld kB after 100 (growth from 50 to 100: %.1f %%)\n",
              afterFirst, halfway, afterHundred, 100.0 * (afterHundred - halfway) / halfway);
  return 0;
}
