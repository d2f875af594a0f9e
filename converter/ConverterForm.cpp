#include "converter/ConverterForm.h"

#include "converter/FFmpegProgress.h"
#include "converter/FileManager.h"
#include "converter/OutputName.h"
#include "shared/ErrorReport.h"
#include "shared/Look.h"
#include "shared/PanelStatusBar.h"
#include "shared/SpecialFolders.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <cstdio>

namespace converter {

namespace {

const QSize kClientSize(397, 158);
const QString kResultCaption = QStringLiteral("Kavo MP3 Converter");
const QString kCannotStart = QStringLiteral("Error: Cannot start selected application!");

QStringList BitRateEntries()
{
  return {QStringLiteral("GOOD         128 Kbps"), QStringLiteral("EXCELLENT 192 Kbps"),
          QStringLiteral("BEST           256 Kbps")};
}

const QStringList kBitRateCodes{QStringLiteral("128k"), QStringLiteral("192k"), QStringLiteral("256k")};

bool ReplaceFile(const QString& from, const QString& to)
{
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent) : QWidget(parent), arguments_(arguments)
{
  setObjectName(QStringLiteral("ConverterClient"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientSize);
  setFont(UiFont(QStringLiteral("Tahoma"), 11));
  BuildLayout();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    move(desktop.center() - QPoint(kClientSize.width() / 2, kClientSize.height() / 2));
  }
  RunHandler([this] { FormCreate(); });
}

void TMainForm::BuildLayout()
{
  const QFont tahoma11 = UiFont(QStringLiteral("Tahoma"), 11);
  const QFont tahoma13 = UiFont(QStringLiteral("Tahoma"), 13);

  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setGeometry(8, 16, 378, 31);
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);

  sGroupBox1 = new QGroupBox(QStringLiteral("MP3 Quality"), this);
  sGroupBox1->setObjectName(QStringLiteral("sGroupBox1"));
  sGroupBox1->setGeometry(8, 65, 161, 63);
  BitRate = new QComboBox(sGroupBox1);
  BitRate->setObjectName(QStringLiteral("BitRate"));
  BitRate->setGeometry(13, 22, 132, 21);
  BitRate->setFont(tahoma11);
  BitRate->addItems(BitRateEntries());
  BitRate->setCurrentIndex(-1);

  sLabel1 = new QLabel(QStringLiteral("Skip first "), this);
  sLabel1->setObjectName(QStringLiteral("sLabel1"));
  sLabel1->setFont(tahoma13);
  sLabel1->move(191, 65);
  sLabel1->adjustSize();

  SecondsSkipped = new QComboBox(this);
  SecondsSkipped->setObjectName(QStringLiteral("SecondsSkipped"));
  SecondsSkipped->setGeometry(251, 61, 41, 24);
  SecondsSkipped->setFont(tahoma13);
  for (int seconds = 0; seconds <= 90; ++seconds) {
    SecondsSkipped->addItem(QString::number(seconds));
  }
  SecondsSkipped->setCurrentIndex(0);

  sLabel2 = new QLabel(QStringLiteral("seconds"), this);
  sLabel2->setObjectName(QStringLiteral("sLabel2"));
  sLabel2->setFont(tahoma13);
  sLabel2->move(300, 65);
  sLabel2->adjustSize();

  Start = new QPushButton(QStringLiteral("START"), this);
  Start->setObjectName(QStringLiteral("Start"));
  Start->setGeometry(191, 95, 91, 33);
  Cancel = new QPushButton(QStringLiteral("CANCEL"), this);
  Cancel->setObjectName(QStringLiteral("Cancel"));
  Cancel->setGeometry(295, 95, 91, 33);
  Cancel->setEnabled(false);
  setTabOrder(Start, BitRate);
  setTabOrder(BitRate, SecondsSkipped);
  setTabOrder(SecondsSkipped, Cancel);

  sStatusBar = new PanelStatusBar(this);
  sStatusBar->setObjectName(QStringLiteral("sStatusBar"));
  sStatusBar->setGeometry(0, 139, 397, 19);
  sStatusBar->setFont(UiFont(QStringLiteral("Segoe UI"), 12));
  QPalette grey = sStatusBar->palette();
  grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  sStatusBar->setPalette(grey);
  sStatusBar->addPanel(QStringLiteral("kavolabs.example"), 120);
  sStatusBar->addPanel(QStringLiteral("Kavo MP3 Converter"), 50);

  connect(BitRate, &QComboBox::activated, this, [this](int index) { RunHandler([=, this] { BitRateChange(index); }); });
  connect(SecondsSkipped, &QComboBox::activated, this,
          [this](int index) { RunHandler([=, this] { SecondsSkippedChange(index); }); });
  connect(Start, &QPushButton::clicked, this, [this] { RunHandler([this] { StartClick(); }); });
  connect(Cancel, &QPushButton::clicked, this, [this] { RunHandler([this] { CancelClick(); }); });
}

void TMainForm::FormCreate()
{
  FFmpegPath = ToolPathInBin(QStringLiteral("ffmpeg"));
  OutputFile = OutputFileFor(Argument(1), Argument(2));
  BitRateCode = Argument(3);
  const qsizetype entry = kBitRateCodes.indexOf(BitRateCode);
  if (entry >= 0) {
    BitRate->setCurrentIndex(static_cast<int>(entry));
  }
  OpenFolderFlag = Argument(4);
  setWindowTitle(FileNamePart(Argument(1)));
}

void TMainForm::BitRateChange(int index)
{
  if (index >= 0 && index < kBitRateCodes.size()) {
    BitRateCode = kBitRateCodes.at(index);
  }
}

void TMainForm::SecondsSkippedChange(int index)
{
  SecondsToSkip = index;
}

void TMainForm::StartClick()
{
  const ConversionRequest request{FFmpegPath, Argument(1), BitRateCode, SecondsToSkip};
  FFmpegCommand = BuildFFmpegCommand(request, OutputFile);
  partialFile_ = PartialOutputPathFor(OutputFile);
  setWindowTitle(QStringLiteral("Processing ") + FileNamePart(Argument(1)));
  Cancel->setEnabled(true);
  Start->setEnabled(false);
  SecondsSkipped->setEnabled(false);
  BitRate->setEnabled(false);
  RunConversion(BuildFFmpegCommand(request, partialFile_));
}

void TMainForm::RunConversion(const QString& commandLine)
{
  FFmpegProgress progress(SecondsToSkip);
  RunHooks hooks;
  hooks.started = [this](QProcess& process) {
    running_ = &process;
    if (cancelled_) {
      process.kill();
      return;
    }
    ProgressBar->setRange(0, 0);
    emit runStarted(process.processId());
  };
  hooks.output = [this, &progress](const QString& piece) {
    progress.take(piece);
    if (const auto fraction = progress.fraction()) {
      ProgressBar->setRange(0, 100);
      ProgressBar->setValue(qRound(*fraction * 100));
    }
  };
  runActive_ = true;
  const RunResult result = RunAndCapture(commandLine, hooks);
  runActive_ = false;
  running_ = nullptr;
  ReportAndEnd(result);
}

void TMainForm::ReportAndEnd(const RunResult& result)
{
  const bool succeeded = result.started && !result.crashed && result.exitCode == 0 && !cancelled_;
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(succeeded ? 100 : 0);

  if (cancelled_) {
    QFile::remove(partialFile_);
    EndProgram(RunOutcome::Cancelled);
    return;
  }
  setWindowTitle(QStringLiteral("Done!"));
  const QString name = FileNamePart(OutputFile);
  if (!result.started) {
    QFile::remove(partialFile_);
    ShowResult(true, kCannotStart);
    EndProgram(RunOutcome::CannotStart);
    return;
  }
  if (!succeeded || !ReplaceFile(partialFile_, OutputFile)) {
    QFile::remove(partialFile_);
    QString reason = LastErrorLine(CapturedOutput);
    if (succeeded) {
      reason = QStringLiteral("the finished file could not be moved into place");
    } else if (reason.isEmpty()) {
      reason = QStringLiteral("FFmpeg ended with exit code %1").arg(result.exitCode);
    }
    ShowResult(true, QStringLiteral("%1 was not created: %2").arg(name, reason));
    EndProgram(RunOutcome::FFmpegFailed);
    return;
  }
  ShowResult(false, name + QStringLiteral(" Created"));
  if (OpenFolderFlag == QStringLiteral("true")) {
    hide();
    ShowInFileManager(OutputFile, [this] { EndProgram(RunOutcome::Created); });
    return;
  }
  EndProgram(RunOutcome::Created);
}

void TMainForm::ShowResult(bool failed, const QString& text)
{
  QMessageBox box(failed ? QMessageBox::Critical : QMessageBox::Information, kResultCaption, text, QMessageBox::Ok,
                  this);
  box.setObjectName(QStringLiteral("ResultMessage"));
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

void TMainForm::CancelClick()
{
  if (runActive_) {
    cancelled_ = true;
    if (running_ != nullptr) {
      running_->kill();
    }
    return;
  }
  EndProgram(RunOutcome::Cancelled);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
  if (runActive_) {
    CancelClick();
  } else if (!ended_ && Start->isEnabled()) {
    EndProgram(RunOutcome::ClosedWithoutRun);
  }
  event->accept();
}

void TMainForm::EndProgram(RunOutcome outcome)
{
  if (!ended_) {
    ended_ = true;
    emit programEnded(outcome);
  }
}

}  // namespace converter
