#include "player/MainForm.h"

#include "tests/player/PlayerTestSupport.h"
#include "player/SettingsStore.h"
#include "runtime/FlashPlayerControl.h"
#include "shared/PanelStatusBar.h"
#include "tests/support/TestEnvironment.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  ScopedTestHome home;
};

TEST_F(MainFormTest, StartStateLayout)
{
  TMainForm form;
  EXPECT_EQ(form.windowTitle(), "Kavo FLV Player");
  EXPECT_EQ(form.size(), QSize(320, 289));
  EXPECT_EQ(form.minimumSize(), QSize(320, 289));
  EXPECT_EQ(form.maximumSize(), QSize(320, 289));
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form.windowIcon().isNull());
  EXPECT_EQ(form.font().family(), "MS Sans Serif");
  EXPECT_EQ(form.font().pixelSize(), 11);

  EXPECT_EQ(form.Splash->geometry(), QRect(0, 0, 320, 240));
  EXPECT_FALSE(form.Splash->isHidden());
  EXPECT_EQ(form.Splash->pixmap().size(), QSize(320, 240));
  EXPECT_TRUE(form.FlashPlayer->isHidden());
  EXPECT_EQ(form.FlashPlayer->geometry(), QRect(0, 0, 320, 240));
  EXPECT_EQ(form.Panel->geometry(), QRect(0, 240, 320, 30));
  EXPECT_EQ(form.sStatusBar->geometry(), QRect(0, 270, 320, 19));

  const struct {
    QPushButton* button;
    QString caption;
    int left;
    int width;
    bool enabled;
  } buttons[] = {
      {form.Open, "Open", 0, 49, true},
      {form.Replay, "Replay", 52, 60, false},
      {form.Convert, "Convert to MP3", 115, 100, false},
      {form.Settings, "Settings", 218, 66, true},
  };
  for (const auto& b : buttons) {
    EXPECT_EQ(b.button->text(), b.caption);
    EXPECT_EQ(b.button->geometry(), QRect(b.left, 5, b.width, 20)) << b.caption.toStdString();
    EXPECT_EQ(b.button->isEnabled(), b.enabled) << b.caption.toStdString();
    EXPECT_FALSE(b.button->icon().isNull());
  }
  EXPECT_EQ(form.Replay->toolTip(), "Replay video");
  EXPECT_EQ(form.Replay->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainFormTest, TabOrderIsOpenConvertReplaySettings)
{
  TMainForm form;
  EXPECT_EQ(form.Open->nextInFocusChain(), form.Convert);
  EXPECT_EQ(form.Convert->nextInFocusChain(), form.Replay);
  EXPECT_EQ(form.Replay->nextInFocusChain(), form.Settings);
}

TEST_F(MainFormTest, StatusBarPanelsAndTheirFont)
{
  TMainForm form;
  ASSERT_EQ(form.sStatusBar->panelCount(), 2);
  EXPECT_EQ(form.sStatusBar->panelText(0), " " + kMakerWebAddress);
  EXPECT_EQ(form.sStatusBar->panelRect(0), QRect(0, 0, 120, 19));
  EXPECT_EQ(form.sStatusBar->panelText(1), " Welcome to Kavo FLV Player 1.0");
  EXPECT_EQ(form.sStatusBar->panelDesignWidth(1), 50);
  EXPECT_EQ(form.sStatusBar->panelRect(1), QRect(120, 0, 200, 19));
  const QFontMetrics metrics(form.sStatusBar->font());
  EXPECT_LT(metrics.horizontalAdvance(form.sStatusBar->panelText(1)), 200);
  EXPECT_EQ(form.sStatusBar->font().family(), "Segoe UI");
  EXPECT_EQ(form.sStatusBar->font().pixelSize(), 12);
  EXPECT_EQ(form.sStatusBar->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
}

TEST_F(MainFormTest, OpenDialogFiltersPreselectTheCombinedEntry)
{
  TMainForm form;
  EXPECT_EQ(form.OpenDialog->nameFilters(),
            QStringList({"Flash Video (*.flv)", "MP4 (*.mp4)", "All Supported Files (*.flv *.mp4)"}));
  EXPECT_EQ(form.OpenDialog->selectedNameFilter(), "All Supported Files (*.flv *.mp4)");
}

TEST_F(MainFormTest, FirstRunWritesTheDefaultsAndPreparesTheControl)
{
  TMainForm form;
  const QString documents = home.documentsFolder();
  EXPECT_TRUE(SettingsKeyExists(SettingsKeyPath));
  EXPECT_EQ(ReadSetting(SettingsKeyPath, LastOpenDirectoryValue), documents);
  EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), documents);
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "192k");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, OpenMp3FolderValue), "true");
  EXPECT_EQ(OutputDirectorySetting, documents);
  EXPECT_EQ(Mp3QualitySetting, "192k");
  EXPECT_EQ(OpenMp3FolderSetting, "true");
  EXPECT_EQ(form.OpenDialog->directory().absolutePath(), documents);
  EXPECT_TRUE(form.FlashPlayer->AllowFullscreen());
  EXPECT_EQ(form.FlashPlayer->BGColor(), "#000000");
  EXPECT_EQ(FFmpegPath, QStringLiteral(KAVO_BUILD_PROGRAM_ROOT) + "/Kavo FLV Player/Bin/ffmpeg");
  EXPECT_EQ(ConverterPath, QStringLiteral(KAVO_BUILD_PROGRAM_ROOT) + "/Kavo FLV Player/Bin/kavomp3converter");
  EXPECT_TRUE(QFileInfo(FFmpegPath).isExecutable());
}

TEST_F(MainFormTest, LaterRunsReadTheStoredValuesUnchanged)
{
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, LastOpenDirectoryValue, home.path() + "/");
  WriteSetting(SettingsKeyPath, Mp3QualityValue, "64k");
  WriteSetting(SettingsKeyPath, OpenMp3FolderValue, "TRUE");
  TMainForm form;
  EXPECT_EQ(Mp3QualitySetting, "64k");
  EXPECT_EQ(OpenMp3FolderSetting, "TRUE");
  EXPECT_EQ(OutputDirectorySetting, "");
  EXPECT_EQ(form.OpenDialog->directory().absolutePath(), home.path());
  EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), "");
}

TEST_F(MainFormTest, WronglyTypedValueStopsTheStartStepsButTheWindowOpens)
{
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, DefaultOutputDirectoryValue, "/out");
  {
    QSettings edit(SettingsFilePath(), QSettings::IniFormat);
    edit.setValue(SettingsKeyPath + "/" + Mp3QualityValue, QStringList{"a", "b"});
  }
  QString shown;
  WhenModalOpens([&](QWidget* modal) {
    shown = qobject_cast<QMessageBox*>(modal)->text();
    modal->close();
  });
  TMainForm form;
  EXPECT_EQ(shown, "Invalid data type for 'MP3 Quality'");
  EXPECT_EQ(OutputDirectorySetting, "/out");
  EXPECT_FALSE(form.FlashPlayer->AllowFullscreen());
  EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(MainFormTest, BrokenSettingsFileIsReportedKeptAsideAndReplacedByDefaults)
{
  const QString path = SettingsFilePath();
  QDir().mkpath(path);  // a folder where the file should be: it cannot be read
  QString shown;
  WhenModalOpens([&](QWidget* modal) {
    shown = qobject_cast<QMessageBox*>(modal)->text();
    modal->close();
  });
  TMainForm form;
  EXPECT_TRUE(shown.contains("could not be read")) << shown.toStdString();
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "192k");
  EXPECT_TRUE(form.FlashPlayer->AllowFullscreen());
  EXPECT_EQ(QDir(home.configFolder()).entryList({"kavoflvplayer.ini.unreadable-*"}, QDir::Dirs).size(), 1);
}

TEST_F(MainFormTest, ShowPlayerSwapsSplashForTheControl)
{
  TMainForm form;
  form.ShowPlayer();
  EXPECT_TRUE(form.Splash->isHidden());
  EXPECT_FALSE(form.FlashPlayer->isHidden());
}

}  // namespace
