#pragma once

#include "converter/ConversionCommand.h"
#include "shared/ToolRunner.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QProcess;
class QProgressBar;
class QPushButton;
class PanelStatusBar;

namespace converter {

// How a converter run ended; also the program's exit status.
enum class RunOutcome : int {
  Created = 0,
  FFmpegFailed = 1,
  CannotStart = 2,
  Cancelled = 3,
  ClosedWithoutRun = 4,
};

// The converter's window: quality and seconds to skip, START and CANCEL, the progress of the run.
class TMainForm : public QWidget {
  Q_OBJECT
 public:
  // `arguments` are the command line's items after the program itself.
  explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);

  QProgressBar* ProgressBar = nullptr;
  QGroupBox* sGroupBox1 = nullptr;
  QComboBox* BitRate = nullptr;
  QLabel* sLabel1 = nullptr;
  QComboBox* SecondsSkipped = nullptr;
  QLabel* sLabel2 = nullptr;
  QPushButton* Start = nullptr;
  QPushButton* Cancel = nullptr;
  PanelStatusBar* sStatusBar = nullptr;

  // The program-wide values of one converter.
  QString FFmpegPath;
  QString OutputFile;
  QString BitRateCode;
  QString OpenFolderFlag;
  int SecondsToSkip = 0;
  QString FFmpegCommand;

  void FormCreate();
  void BitRateChange(int index);
  void SecondsSkippedChange(int index);
  void StartClick();
  void RunConversion(const QString& commandLine);
  void CancelClick();

  // The argument at a 1-based position; missing ones read as empty text.
  QString Argument(int position) const { return arguments_.value(position - 1); }

 signals:
  // The run is over and its result has been reported: the program ends with this outcome.
  void programEnded(converter::RunOutcome outcome);
  // FFmpeg has started for the conversion.
  void runStarted(qint64 processId);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void ReportAndEnd(const RunResult& result);
  void ShowResult(bool failed, const QString& text);
  void EndProgram(RunOutcome outcome);

  QStringList arguments_;
  QString partialFile_;
  QPointer<QProcess> running_;
  bool runActive_ = false;
  bool cancelled_ = false;
  bool ended_ = false;
};

}  // namespace converter
