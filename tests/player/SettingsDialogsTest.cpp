#include "player/AboutForm.h"
#include "player/SettingsForm.h"

#include "tests/player/PlayerTestSupport.h"
#include "player/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ResetProgramState();
    CreateSettingsKey(SettingsKeyPath);
    dialog.setAboutForm(&about);
  }
  ScopedTestHome home;
  TSettingsForm dialog;
  TAboutForm about{&dialog};
};

TEST_F(SettingsDialogTest, LayoutCaptionsAndTabOrder)
{
  EXPECT_EQ(dialog.windowTitle(), "Settings");
  EXPECT_EQ(dialog.size(), QSize(307, 181));
  EXPECT_EQ(dialog.font().family(), "Tahoma");
  EXPECT_EQ(dialog.font().pixelSize(), 11);
  const struct {
    QWidget* widget;
    QRect geometry;
  } places[] = {
      {dialog.sGroupBox1, {8, 8, 289, 65}},        {dialog.OutputDirectorySettings, {16, 24, 209, 21}},
      {dialog.Browse, {231, 22, 46, 25}},          {dialog.sGroupBox2, {8, 72, 177, 65}},
      {dialog.MP3Quality_Settings, {16, 24, 129, 21}}, {dialog.SaveSettings, {220, 79, 75, 25}},
      {dialog.Cancel, {220, 110, 75, 25}},         {dialog.OpenMP3FolderCheckBox, {8, 143, 201, 29}},
      {dialog.About, {220, 141, 75, 25}},
  };
  for (const auto& p : places) {
    EXPECT_EQ(p.widget->geometry(), p.geometry) << p.widget->objectName().toStdString();
  }
  EXPECT_EQ(dialog.sGroupBox1->title(), "Default Output Folder");
  EXPECT_EQ(dialog.sGroupBox2->title(), "Default MP3 Quality");
  EXPECT_EQ(dialog.OpenMP3FolderCheckBox->text(), "Open Output Folder After Conversion");
  EXPECT_EQ(QFontInfo(dialog.OpenMP3FolderCheckBox->font()).family(), "Tahoma");
  EXPECT_LE(dialog.OpenMP3FolderCheckBox->sizeHint().width(), dialog.OpenMP3FolderCheckBox->width());
  EXPECT_TRUE(dialog.OutputDirectorySettings->isReadOnly());
  EXPECT_FALSE(dialog.OutputDirectorySettings->isEnabled());
  ASSERT_EQ(dialog.MP3Quality_Settings->count(), 3);
  EXPECT_EQ(dialog.MP3Quality_Settings->itemText(0), "GOOD         128 Kbps");
  EXPECT_EQ(dialog.MP3Quality_Settings->itemText(1), "EXCELLENT 192 Kbps");
  EXPECT_EQ(dialog.MP3Quality_Settings->itemText(2), "BEST           256 Kbps");
  EXPECT_EQ(dialog.MP3Quality_Settings->currentIndex(), -1);
  EXPECT_EQ(dialog.Cancel->nextInFocusChain(), dialog.Browse);
  EXPECT_EQ(dialog.Browse->nextInFocusChain(), dialog.SaveSettings);
  EXPECT_EQ(dialog.SaveSettings->nextInFocusChain(), dialog.MP3Quality_Settings);
  EXPECT_EQ(dialog.MP3Quality_Settings->nextInFocusChain(), dialog.OpenMP3FolderCheckBox);
  EXPECT_EQ(dialog.OpenMP3FolderCheckBox->nextInFocusChain(), dialog.About);
}

TEST_F(SettingsDialogTest, ActivationSelectsKnownCodesAndLeavesOthersAlone)
{
  const struct {
    QString code;
    int before;
    int after;
  } cases[] = {{"128k", -1, 0}, {"192k", 0, 1}, {"256k", 1, 2}, {"64k", 2, 2}, {"192K", 0, 0}, {"", 1, 1}};
  for (const auto& c : cases) {
    dialog.MP3Quality_Settings->setCurrentIndex(c.before);
    Mp3QualitySetting = c.code;
    dialog.FormActivate();
    EXPECT_EQ(dialog.MP3Quality_Settings->currentIndex(), c.after) << c.code.toStdString();
  }
}

TEST_F(SettingsDialogTest, ActivationSetsTheCheckBoxOnlyForExactFlags)
{
  const struct {
    QString flag;
    bool before;
    bool after;
  } cases[] = {{"true", false, true}, {"false", true, false}, {"TRUE", false, false}, {"TRUE", true, true}};
  for (const auto& c : cases) {
    dialog.OpenMP3FolderCheckBox->setChecked(c.before);
    OpenMp3FolderSetting = c.flag;
    dialog.FormActivate();
    EXPECT_EQ(dialog.OpenMP3FolderCheckBox->isChecked(), c.after) << c.flag.toStdString();
  }
  OutputDirectorySetting = "/music/out";
  dialog.FormActivate();
  EXPECT_EQ(dialog.OutputDirectorySettings->text(), "/music/out");
}

TEST_F(SettingsDialogTest, SaveWritesTheStoreAndTheCopies)
{
  OutputDirectorySetting = "/old";
  Mp3QualitySetting = "192k";
  OpenMp3FolderSetting = "true";
  dialog.FormActivate();
  dialog.OutputDirectorySettings->setText("/new/out");
  dialog.MP3Quality_Settings->setCurrentIndex(2);
  dialog.OpenMP3FolderCheckBox->setChecked(false);
  dialog.SaveSettingsClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(OutputDirectorySetting, "/new/out");
  EXPECT_EQ(Mp3QualitySetting, "256k");
  EXPECT_EQ(OpenMp3FolderSetting, "false");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), "/new/out");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "256k");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, OpenMp3FolderValue), "false");
}

TEST_F(SettingsDialogTest, SaveWithNothingSelectedLeavesTheQualityAlone)
{
  WriteSetting(SettingsKeyPath, Mp3QualityValue, "64k");
  Mp3QualitySetting = "64k";
  OutputDirectorySetting = "/same";
  dialog.FormActivate();
  ASSERT_EQ(dialog.MP3Quality_Settings->currentIndex(), -1);
  dialog.SaveSettingsClick();
  EXPECT_EQ(Mp3QualitySetting, "64k");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "64k");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), "/same");
}

TEST_F(SettingsDialogTest, SaveWithTheKeyGoneShowsTheErrorAndKeepsEverything)
{
  OutputDirectorySetting = "/old";
  Mp3QualitySetting = "192k";
  OpenMp3FolderSetting = "true";
  dialog.show();
  dialog.OutputDirectorySettings->setText("/new");
  dialog.MP3Quality_Settings->setCurrentIndex(0);
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  QString shown;
  WhenModalOpens([&](QWidget* modal) {
    shown = qobject_cast<QMessageBox*>(modal)->text();
    modal->close();
  });
  dialog.SaveSettings->click();
  EXPECT_EQ(shown, "Failed to set data for 'Default Output Directory'");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(OutputDirectorySetting, "/old");
  EXPECT_EQ(Mp3QualitySetting, "192k");
  EXPECT_EQ(OpenMp3FolderSetting, "true");
  dialog.hide();
}

TEST_F(SettingsDialogTest, ChangesAreLostOnReturnFromTheAboutDialog)
{
  OutputDirectorySetting = "/saved";
  Mp3QualitySetting = "192k";
  dialog.show();
  dialog.MP3Quality_Settings->setCurrentIndex(0);
  dialog.OutputDirectorySettings->setText("/browsed");
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(modal, &about);
    about.OK->click();
  });
  dialog.About->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.MP3Quality_Settings->currentIndex(), 1);
  EXPECT_EQ(dialog.OutputDirectorySettings->text(), "/saved");
  dialog.hide();
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxStoreNothing)
{
  OutputDirectorySetting = "/saved";
  dialog.show();
  dialog.OutputDirectorySettings->setText("/changed");
  dialog.Cancel->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(OutputDirectorySetting, "/saved");
  dialog.show();
  EXPECT_EQ(dialog.OutputDirectorySettings->text(), "/saved");
  dialog.OutputDirectorySettings->setText("/changed again");
  dialog.close();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(OutputDirectorySetting, "/saved");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), "");
}

TEST(AboutDialog, LayoutAndMemo)
{
  TAboutForm about;
  EXPECT_EQ(about.windowTitle(), "Kavo FLV Player 1.0");
  EXPECT_EQ(about.size(), QSize(307, 181));
  EXPECT_EQ(about.RzPanel1->geometry(), QRect(0, 0, 307, 137));
  EXPECT_EQ(about.Image1->geometry(), QRect(16, 8, 49, 49));
  EXPECT_EQ(about.RzLabel1->text(), "Kavo FLV Player");
  EXPECT_EQ(about.RzLabel1->pos(), QPoint(88, 12));
  EXPECT_TRUE(about.RzLabel1->font().bold());
  EXPECT_EQ(about.RzLabel1->font().pixelSize(), 23);
  EXPECT_EQ(about.RzLabel2->text(), "Version 1.0 ( Build 1011 )");
  EXPECT_EQ(about.RzLabel2->pos(), QPoint(88, 46));
  EXPECT_EQ(about.RzMemo1->geometry(), QRect(0, 65, 307, 72));
  EXPECT_TRUE(about.RzMemo1->isReadOnly());
  EXPECT_EQ(about.sLabel1->pos(), QPoint(8, 143));
  EXPECT_EQ(about.sLabel2->text(), "Email Us : " + kMakerSupportAddress);
  EXPECT_EQ(about.OK->geometry(), QRect(224, 148, 62, 25));

  const QStringList lines = about.RzMemo1->toPlainText().split('\n');
  EXPECT_EQ(lines.value(0), "Kavo FLV Player 1.0 (Build 1011)");
  EXPECT_EQ(lines.value(1), "");
  qsizetype at = 0;
  for (const char* heading :
       {"FREEWARE LICENSE", "END-USER LICENSE AGREEMENT", "1. DEFINITIONS", "2. GENERAL USE",
        "3. INTELLECTUAL PROPERTY RIGHTS", "4. WARRANTY", "5. LIMITATION OF LIABILITY", "6. NON-WAIVER",
        "GNU LESSER GENERAL PUBLIC LICENSE", "Version 2.1, February 1999", "How to Apply These Terms to Your New Libraries"}) {
    const qsizetype found = lines.indexOf(QString(heading).trimmed(), at);
    const qsizetype foundIndented = found >= 0 ? found : [&] {
      for (qsizetype i = at; i < lines.size(); ++i) {
        if (lines[i].trimmed() == heading) return i;
      }
      return qsizetype(-1);
    }();
    ASSERT_GE(foundIndented, at) << heading;
    at = foundIndented;
  }
  EXPECT_TRUE(lines.last().startsWith("Thank you for using Kavo FLV Player"));
  EXPECT_TRUE(about.RzMemo1->toPlainText().contains("That's all there is to it!"));
}

TEST(AboutDialog, RightClickInTheMemoShowsNoMenu)
{
  TAboutForm about;
  about.show();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), about.RzMemo1->viewport()->mapToGlobal(QPoint(20, 20)));
  QCoreApplication::sendEvent(about.RzMemo1->viewport(), &event);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(about.RzMemo1->contextMenuPolicy(), Qt::PreventContextMenu);
}

}  // namespace
