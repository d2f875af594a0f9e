#include "player/MainForm.h"

#include "player/AboutForm.h"
#include "player/ConversionHandoff.h"
#include "player/MovieHostBridge.h"
#include "player/StartParameters.h"
#include "player/ProgramState.h"
#include "player/SettingsForm.h"
#include "player/SettingsStore.h"
#include "player/VideoProbe.h"
#include "player/WindowFrame.h"
#include "runtime/FlashPlayerControl.h"
#include "shared/ErrorReport.h"
#include "shared/Look.h"
#include "shared/PanelStatusBar.h"
#include "shared/SpecialFolders.h"
#include "shared/ToolRunner.h"
#include "movie/MovieClasses.h"
#include "movie/MovieResource.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kPanelHeight = 30;
constexpr int kStatusBarHeight = 19;
const QSize kStartClientSize(320, 289);
const QSize kStartOuterSize(336, 325);

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent)
{
  setObjectName(QStringLiteral("MainClient"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Kavo FLV Player"));
  setWindowIcon(QIcon(QStringLiteral(":/player/icon.png")));
  setFont(UiFont(QStringLiteral("MS Sans Serif"), PointsToPixels(8)));
  BuildLayout();
  resize(kStartClientSize);
  LayoutParts();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    move(desktop.x() + (desktop.width() - kStartOuterSize.width()) / 2,
         desktop.y() + (desktop.height() - kStartOuterSize.height()) / 2);
  }
  RunHandler([this] { FormCreate(); });
}

void TMainForm::BuildLayout()
{
  Splash = new QLabel(this);
  Splash->setObjectName(QStringLiteral("Splash"));
  Splash->setGeometry(0, 0, 320, 240);
  Splash->setPixmap(QPixmap(QStringLiteral(":/player/splash.png")));

  FlashPlayer = new TFlashPlayerControl(this);
  FlashPlayer->setVisible(false);
  RegisterPlayerMovieClasses(FlashPlayer->classes());
  connect(FlashPlayer, &TFlashPlayerControl::OnFlashCall, this,
          [this](const QString& request) { RunHandler([&] { FlashPlayerFlashCall(request); }); });
  // Raised from inside the movie's file access: the handler only makes the stream.
  connect(FlashPlayer, &TFlashPlayerControl::OnLoadExternalResourceAsync, this,
          &TMainForm::FlashPlayerLoadExternalResourceAsync, Qt::DirectConnection);

  Panel = new QWidget(this);
  Panel->setObjectName(QStringLiteral("Panel"));
  Panel->setAttribute(Qt::WA_StyledBackground, true);
  Open = AddPanelButton(QStringLiteral("Open"), QStringLiteral("Open"), QStringLiteral("open"), 0, 49);
  Replay = AddPanelButton(QStringLiteral("Replay"), QStringLiteral("Replay"), QStringLiteral("replay"), 52, 60);
  Convert = AddPanelButton(QStringLiteral("Convert"), QStringLiteral("Convert to MP3"), QStringLiteral("convert"), 115, 100);
  Settings = AddPanelButton(QStringLiteral("Settings"), QStringLiteral("Settings"), QStringLiteral("settings"), 218, 66);
  Replay->setEnabled(false);
  Convert->setEnabled(false);
  Replay->setToolTip(QStringLiteral("Replay video"));
  Replay->setCursor(Qt::PointingHandCursor);
  setTabOrder(Open, Convert);
  setTabOrder(Convert, Replay);
  setTabOrder(Replay, Settings);
  connect(Settings, &QPushButton::clicked, this, [this] { RunHandler([this] { SettingsClick(); }); });
  connect(Convert, &QPushButton::clicked, this, [this] { RunHandler([this] { ConvertClick(); }); });
  connect(Open, &QPushButton::clicked, this, [this] { RunHandler([this] { OpenClick(); }); });
  connect(Replay, &QPushButton::clicked, this, [this] { RunHandler([this] { ReplayClick(); }); });

  sStatusBar = new PanelStatusBar(this);
  sStatusBar->setObjectName(QStringLiteral("sStatusBar"));
  sStatusBar->setFont(UiFont(QStringLiteral("Segoe UI"), PointsToPixels(9)));
  QPalette grey = sStatusBar->palette();
  grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  sStatusBar->setPalette(grey);
  sStatusBar->addPanel(QLatin1Char(' ') + kMakerWebAddress, 120);
  sStatusBar->addPanel(QStringLiteral(" Welcome to Kavo FLV Player 1.0"), 50);

  OpenDialog = new QFileDialog(this);
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  OpenDialog->setOption(QFileDialog::DontUseNativeDialog, true);
  OpenDialog->setFileMode(QFileDialog::ExistingFile);
  OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters{QStringLiteral("Flash Video (*.flv)"), QStringLiteral("MP4 (*.mp4)"),
                            QStringLiteral("All Supported Files (*.flv *.mp4)")};
  OpenDialog->setNameFilters(filters);
  OpenDialog->selectNameFilter(filters.at(2));
}

QPushButton* TMainForm::AddPanelButton(const QString& name, const QString& caption, const QString& glyph, int left,
                                       int width)
{
  auto* button = new QPushButton(QIcon(QStringLiteral(":/player/glyphs/%1.png").arg(glyph)), caption, Panel);
  button->setObjectName(name);
  button->setGeometry(left, 5, width, 20);
  button->setIconSize(QSize(16, 16));
  return button;
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  LayoutParts();
}

void TMainForm::LayoutParts()
{
  const int w = width();
  const int h = height();
  sStatusBar->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
  Panel->setGeometry(0, h - kStatusBarHeight - kPanelHeight, w, kPanelHeight);
  FlashPlayer->setGeometry(0, 0, w, qMax(0, h - kStatusBarHeight - kPanelHeight));
}

void TMainForm::FormCreate()
{
  BuildToolPaths();
  if (const auto notice = SetAsideUnreadableSettingsFile()) {
    ShowErrorReport(*notice);
  }
  LoadSettings();
  FlashPlayer->setAllowFullscreen(true);
  FlashPlayer->setBGColor(QStringLiteral("#000000"));
  SetOuterSizeConstraints(*this, kStartOuterSize.width(), kStartOuterSize.width(), kStartOuterSize.height(),
                          kStartOuterSize.height());
}

void TMainForm::BuildToolPaths()
{
  FFmpegPath = ToolPathInBin(QStringLiteral("ffmpeg"));
  ConverterPath = ToolPathInBin(QStringLiteral("kavomp3converter"));
}

void TMainForm::LoadSettings()
{
  if (SettingsKeyExists(SettingsKeyPath)) {
    OpenDialog->setDirectory(ReadSetting(SettingsKeyPath, LastOpenDirectoryValue));
    OutputDirectorySetting = ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue);
    Mp3QualitySetting = ReadSetting(SettingsKeyPath, Mp3QualityValue);
    OpenMp3FolderSetting = ReadSetting(SettingsKeyPath, OpenMp3FolderValue);
    return;
  }
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, LastOpenDirectoryValue, GetSpecialFolderPath(kFolderMyDocuments));
  OpenDialog->setDirectory(GetSpecialFolderPath(kFolderMyDocuments));
  WriteSetting(SettingsKeyPath, DefaultOutputDirectoryValue, GetSpecialFolderPath(kFolderMyDocuments));
  OutputDirectorySetting = GetSpecialFolderPath(kFolderMyDocuments);
  WriteSetting(SettingsKeyPath, Mp3QualityValue, QStringLiteral("192k"));
  Mp3QualitySetting = QStringLiteral("192k");
  WriteSetting(SettingsKeyPath, OpenMp3FolderValue, QStringLiteral("true"));
  OpenMp3FolderSetting = QStringLiteral("true");
}

void TMainForm::setDialogs(TSettingsForm* settings, TAboutForm* about)
{
  settingsForm_ = settings;
  settingsForm_->setAboutForm(about);
}

void TMainForm::SettingsClick()
{
  if (settingsForm_ != nullptr) {
    settingsForm_->update();
    settingsForm_->exec();
  }
}

void TMainForm::ConvertClick()
{
  LaunchProgram(BuildConverterCommandLine(CurrentFile()));
}

void TMainForm::ShowPlayer()
{
  Splash->setVisible(false);
  FlashPlayer->setVisible(true);
}

void TMainForm::ParseVideoSize(const QString& report, const QString& extension)
{
  if (const auto size = FindVideoFrameSize(report, extension)) {
    ResizeToVideo(size->width(), size->height());
  }
}

void TMainForm::ResizeToVideo(int width, int height)
{
  FlashPlayer->resize(width, height);
  resize(ClientSizeForOuter(QSize(width + 16, height + 110)));
}

void TMainForm::OpenClick()
{
  const int answer = OpenDialog->exec();
  // The name field's completion list may still be up when the dialog is closed with Enter.
  for (QCompleter* completer : OpenDialog->findChildren<QCompleter*>()) {
    completer->popup()->hide();
  }
  if (answer != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty()) {
    return;
  }
  setCurrentFile(OpenDialog->selectedFiles().constFirst());
  const QString chosen = CurrentFile();
  PlayFile(chosen);
  Replay->setEnabled(true);
  Convert->setEnabled(true);
  RunAndCapture(BuildProbeCommand(FFmpegPath, chosen));
  // The file the dialog holds now: another open during the probe may have changed it.
  ParseVideoSize(CapturedOutput, FileExtension(CurrentFile()));
}

void TMainForm::ReplayClick()
{
  PlayFile(CurrentFile());
}

void TMainForm::PlayFile(const QString& path)
{
  ShowPlayer();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SetOuterSizeConstraints(*this, 0, 0, 0, 0);
  {
    QFile movie(kPlayerMovieResource);
    movie.open(QIODevice::ReadOnly);
    FlashPlayer->setFlashVars(BuildStartParameters(path));
    FlashPlayer->LoadMovieFromStream(&movie);
  }
  setWindowTitle(CaptionFor(path));
  QApplication::restoreOverrideCursor();
  if (SettingsKeyExists(SettingsKeyPath)) {
    WriteSetting(SettingsKeyPath, LastOpenDirectoryValue, FolderWithSeparator(path));
  }
}

void TMainForm::FlashPlayerFlashCall(const QString& request)
{
  // The player shows nothing of the movie's calls; it only reads them.
  ReadMovieCall(request, [this](const QString& call) { return FlashPlayer->CallFunction(call); });
}

void TMainForm::FlashPlayerLoadExternalResourceAsync(const QString& path, QIODevice** stream)
{
  if (QIODevice* clip = OpenEmbeddedResource(path)) {
    *stream = clip;
  }
}
