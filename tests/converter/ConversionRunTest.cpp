#include "converter/ConverterForm.h"

#include "shared/SpecialFolders.h"
#include "tests/support/Media.h"
#include "tests/support/TestEnvironment.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using converter::RunOutcome;
using converter::TMainForm;

struct RunRecord {
  QStringList captions;
  QString message;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString messageCaption;
  std::optional<RunOutcome> outcome;
  bool startStateDuringRun = false;
  bool marqueeDuringRun = false;
};

class ConversionRunTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    media = home.path() + "/media";
    music = home.path() + "/music";
    QDir().mkpath(media);
    QDir().mkpath(music);
  }

  // Presses START and answers the result message; returns what the user saw.
  RunRecord Convert(TMainForm& form, const std::function<void(TMainForm&)>& duringRun = {})
  {
    RunRecord record;
    QObject::connect(&form, &QWidget::windowTitleChanged, [&](const QString& title) { record.captions << title; });
    QObject::connect(&form, &TMainForm::programEnded, [&](RunOutcome outcome) { record.outcome = outcome; });
    QObject::connect(&form, &TMainForm::runStarted, [&](qint64) {
      record.startStateDuringRun = form.Cancel->isEnabled() && !form.Start->isEnabled() &&
                                   !form.SecondsSkipped->isEnabled() && !form.BitRate->isEnabled();
      record.marqueeDuringRun = form.ProgressBar->maximum() == 0;
      if (duringRun) {
        duringRun(form);
      }
    });
    WhenModalOpens([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      record.message = box->text();
      record.icon = box->icon();
      record.messageCaption = box->windowTitle();
      EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
      box->accept();
    });
    form.show();
    form.Start->click();
    return record;
  }

  QStringList FilesIn(const QString& folder) const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

  void WriteOldMp3(const QString& path)
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older mp3");
  }

  QByteArray Content(const QString& path)
  {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  ScopedTestHome home;
  QString media;
  QString music;
};

TEST_F(ConversionRunTest, FlvSoundBecomesAnMp3AtTheChosenRateLessTheSkippedSeconds)
{
  const QString video = media + "/my clip.flv";
  ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, video, 6));
  TMainForm form({video, music, "128k", "false"});
  emit form.SecondsSkipped->activated(2);
  const RunRecord record = Convert(form);

  EXPECT_EQ(record.outcome, RunOutcome::Created);
  EXPECT_EQ(record.captions, QStringList({"Processing my clip.flv", "Done!"}));
  EXPECT_TRUE(record.startStateDuringRun);
  EXPECT_TRUE(record.marqueeDuringRun);
  EXPECT_EQ(record.message, "my clip.mp3 Created");
  EXPECT_EQ(record.icon, QMessageBox::Information);
  EXPECT_EQ(record.messageCaption, "Kavo MP3 Converter");
  EXPECT_EQ(FilesIn(music), QStringList({"my clip.mp3"}));
  const MediaFacts facts = ProbeMedia(music + "/my clip.mp3");
  EXPECT_EQ(facts.audioCodec, "mp3");
  EXPECT_EQ(facts.bitRate, 128000);
  EXPECT_NEAR(facts.duration, 4.0, 0.3);
  EXPECT_FALSE(form.Start->isEnabled());
  EXPECT_TRUE(form.FFmpegCommand.contains(R"(-ab 128k -ss 2 ")" + music + "/my clip.mp3\""));
}

TEST_F(ConversionRunTest, Mp4SoundAtTheBestQualityReplacesAnOlderFile)
{
  const QString video = media + "/clip.mp4";
  ASSERT_TRUE(MakeMedia(MediaKind::Mp4WithAac, video, 3));
  WriteOldMp3(music + "/clip.mp3");
  TMainForm form({video, music, "192k", "false"});
  emit form.BitRate->activated(2);
  const RunRecord record = Convert(form);
  EXPECT_EQ(record.outcome, RunOutcome::Created);
  const MediaFacts facts = ProbeMedia(music + "/clip.mp3");
  EXPECT_EQ(facts.audioCodec, "mp3");
  EXPECT_EQ(facts.bitRate, 256000);
  EXPECT_NEAR(facts.duration, 3.0, 0.3);
  EXPECT_EQ(FilesIn(music), QStringList({"clip.mp3"}));
}

TEST_F(ConversionRunTest, FailuresAreReportedWithFFmpegsReasonAndLeaveTheOldFile)
{
  const QString withSound = media + "/clip.flv";
  const QString silent = media + "/silent.mp4";
  ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, withSound, 2));
  ASSERT_TRUE(MakeMedia(MediaKind::Mp4VideoOnly, silent, 2));
  const struct {
    const char* name;
    QString video;
    QString folder;
    QString quality;
    QString reason;
  } cases[] = {
      {"missing input", media + "/gone.flv", music, "192k", "No such file or directory"},
      {"input without sound", silent, music, "192k", "does not contain any stream"},
      {"output folder missing", withSound, music + "/nowhere", "192k", "No such file or directory"},
      {"empty quality", withSound, music, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QFileInfo(c.video).completeBaseName() + ".mp3";
    const QString target = c.folder + "/" + name;
    const bool folderExists = QFileInfo(c.folder).isDir();
    if (folderExists) {
      WriteOldMp3(target);
    }
    TMainForm form({c.video, c.folder, c.quality, "true"});
    const RunRecord record = Convert(form);
    EXPECT_EQ(record.outcome, RunOutcome::FFmpegFailed);
    EXPECT_EQ(record.icon, QMessageBox::Critical);
    EXPECT_TRUE(record.message.startsWith(name + " was not created: ")) << record.message.toStdString();
    EXPECT_FALSE(record.message.contains("Created"));
    EXPECT_TRUE(record.message.contains(c.reason)) << record.message.toStdString();
    if (folderExists) {
      EXPECT_EQ(Content(target), "an older mp3");
      EXPECT_EQ(FilesIn(c.folder), QStringList({name}));
      QFile::remove(target);
    }
  }
}

TEST_F(ConversionRunTest, FFmpegThatCannotStartIsReported)
{
  const QByteArray oldRoot = qgetenv(kProgramRootVariable);
  qputenv(kProgramRootVariable, home.path().toLocal8Bit());  // no Kavo FLV Player/Bin/ffmpeg here
  TMainForm form({media + "/clip.flv", music, "192k", "true"});
  qputenv(kProgramRootVariable, oldRoot);
  const RunRecord record = Convert(form);
  EXPECT_EQ(record.outcome, RunOutcome::CannotStart);
  EXPECT_EQ(record.message, "Error: Cannot start selected application!");
  EXPECT_EQ(record.icon, QMessageBox::Critical);
  EXPECT_FALSE(record.marqueeDuringRun);
  EXPECT_TRUE(FilesIn(music).isEmpty());
}

class CancelDuringRunTest : public ConversionRunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CancelDuringRunTest, StopsFFmpegAtOnceAndKeepsTheOldFile)
{
  // FFmpeg blocks on a named pipe that nobody writes to: a run that would never end by itself.
  const QString video = media + "/endless.flv";
  ASSERT_EQ(mkfifo(QFile::encodeName(video).constData(), 0600), 0);
  WriteOldMp3(music + "/endless.mp3");
  TMainForm form({video, music, "192k", "true"});
  qint64 ffmpegPid = 0;
  const bool byCloseBox = GetParam();
  QObject::connect(&form, &TMainForm::runStarted, [&](qint64 pid) { ffmpegPid = pid; });
  const RunRecord record = Convert(form, [byCloseBox](TMainForm& running) {
    if (byCloseBox) {
      running.close();
    } else {
      running.Cancel->click();
    }
  });
  EXPECT_EQ(record.outcome, RunOutcome::Cancelled);
  EXPECT_EQ(record.message, "");
  ASSERT_GT(ffmpegPid, 0);
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(ffmpegPid)));
  EXPECT_EQ(Content(music + "/endless.mp3"), "an older mp3");
  EXPECT_EQ(FilesIn(music), QStringList({"endless.mp3"}));
}

INSTANTIATE_TEST_SUITE_P(CancelOrClose, CancelDuringRunTest, ::testing::Values(false, true));

}  // namespace
