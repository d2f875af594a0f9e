// Converts the sound of one video with the converter's own run (window, runner, progress reading) and
// with the same ffmpeg command run bare, alternately, and prints the median times and their ratio.
//   converter_bench <video> <output folder> [rounds]
#include "converter/ConverterForm.h"
#include "shared/Look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Answers the result message as soon as it shows.
class MessageAnswerer : public QObject {
 public:
  MessageAnswerer() { qApp->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        QTimer::singleShot(0, box, [box] { box->accept(); });
      }
    }
    return false;
  }
};

double TimeConverter(const QString& video, const QString& folder)
{
  converter::TMainForm form({video, folder, "192k", "false"});
  QElapsedTimer clock;
  clock.start();
  form.Start->click();
  return clock.nsecsElapsed() / 1e9;
}

double TimeBareFFmpeg(const QString& ffmpeg, const QString& video, const QString& output)
{
  QProcess process;
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardInputFile(QProcess::nullDevice());
  QElapsedTimer clock;
  clock.start();
  process.start(ffmpeg, {"-y", "-i", video, "-acodec", "libmp3lame", "-ab", "192k", output});
  process.waitForFinished(-1);
  process.readAllStandardError();
  return clock.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: converter_bench <video> <output folder> [rounds]\n");
    return 2;
  }
  ApplyMacMetalLook(application);
  const QString video = QString::fromLocal8Bit(argv[1]);
  const QString folder = QString::fromLocal8Bit(argv[2]);
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 7;
  MessageAnswerer answerer;
  const QString ffmpeg = converter::TMainForm({}).FFmpegPath;

  std::vector<double> ours;
  std::vector<double> bare;
  for (int round = 0; round < rounds; ++round) {
    ours.push_back(TimeConverter(video, folder));
    bare.push_back(TimeBareFFmpeg(ffmpeg, video, folder + "/bare.mp3"));
  }
  QFile::remove(folder + "/bare.mp3");
  const double oursMedian = Median(ours);
  const double bareMedian = Median(bare);
  std::printf("converter median %.3f s, bare ffmpeg median %.3f s, ratio %.3f (%d rounds)\n", oursMedian, bareMedian,
              oursMedian / bareMedian, rounds);
  return 0;
}
