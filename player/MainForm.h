#pragma once

#include <QWidget>

class QFileDialog;
class QIODevice;
class QLabel;
class QPushButton;
class PanelStatusBar;
class TFlashPlayerControl;
class TSettingsForm;
class TAboutForm;

// The player's main window: splash picture, the movie's host control, the row of four buttons and
// the status bar.
class TMainForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);

  QLabel* Splash = nullptr;
  TFlashPlayerControl* FlashPlayer = nullptr;
  QWidget* Panel = nullptr;
  QPushButton* Open = nullptr;
  QPushButton* Replay = nullptr;
  QPushButton* Convert = nullptr;
  QPushButton* Settings = nullptr;
  PanelStatusBar* sStatusBar = nullptr;
  QFileDialog* OpenDialog = nullptr;

  void setDialogs(TSettingsForm* settings, TAboutForm* about);

  // The file picked last in the open dialog; empty until the first pick.
  QString CurrentFile() const { return currentFile_; }
  void setCurrentFile(const QString& path) { currentFile_ = path; }

  void FormCreate();
  void SettingsClick();
  void ConvertClick();
  void OpenClick();
  void ReplayClick();
  void PlayFile(const QString& path);
  void FlashPlayerFlashCall(const QString& request);
  void FlashPlayerLoadExternalResourceAsync(const QString& path, QIODevice** stream);
  void BuildToolPaths();
  void ShowPlayer();

  // Reads the frame size from FFmpeg's report and fits the window to it.
  void ParseVideoSize(const QString& report, const QString& extension);
  // The control gets W x H; the window's outer size becomes W + 16 by H + 110.
  void ResizeToVideo(int width, int height);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildLayout();
  void LayoutParts();
  void LoadSettings();
  QPushButton* AddPanelButton(const QString& name, const QString& caption, const QString& glyph, int left, int width);

  TSettingsForm* settingsForm_ = nullptr;
  QString currentFile_;
};

// The maker's web address shown in the status bars.
inline const QString kMakerWebAddress = QStringLiteral("kavolabs.example");
