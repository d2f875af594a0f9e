#include "converter/ConverterForm.h"

#include "shared/PanelStatusBar.h"
#include "tests/support/TestEnvironment.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using converter::TMainForm;

TEST(ConverterWindow, StartStateFromTheArguments)
{
  TMainForm form({"/d/Videos/clip.flv", "/c/Music", "192k", "true"});
  EXPECT_EQ(form.windowTitle(), "clip.flv");
  EXPECT_EQ(form.OutputFile, "/c/Music/clip.mp3");
  EXPECT_EQ(form.BitRateCode, "192k");
  EXPECT_EQ(form.BitRate->currentIndex(), 1);
  EXPECT_EQ(form.BitRate->currentText(), "EXCELLENT 192 Kbps");
  EXPECT_EQ(form.OpenFolderFlag, "true");
  EXPECT_EQ(form.SecondsSkipped->currentText(), "0");
  EXPECT_EQ(form.SecondsToSkip, 0);
  EXPECT_TRUE(form.Start->isEnabled());
  EXPECT_FALSE(form.Cancel->isEnabled());
  EXPECT_EQ(form.ProgressBar->value(), 0);
  EXPECT_EQ(form.FFmpegPath, QStringLiteral(KAVO_BUILD_PROGRAM_ROOT) + "/Kavo FLV Player/Bin/ffmpeg");
}

TEST(ConverterWindow, LayoutTextsAndFonts)
{
  TMainForm form({});
  EXPECT_EQ(form.size(), QSize(397, 158));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  const struct {
    QWidget* widget;
    QRect geometry;
  } places[] = {
      {form.ProgressBar, {8, 16, 378, 31}}, {form.sGroupBox1, {8, 65, 161, 63}}, {form.BitRate, {13, 22, 132, 21}},
      {form.SecondsSkipped, {251, 61, 41, 24}}, {form.Start, {191, 95, 91, 33}},   {form.Cancel, {295, 95, 91, 33}},
      {form.sStatusBar, {0, 139, 397, 19}},
  };
  for (const auto& p : places) {
    EXPECT_EQ(p.widget->geometry(), p.geometry) << p.widget->objectName().toStdString();
  }
  // Labels size themselves to their text, as the layout's 54 x 16 and 46 x 16 did in their face.
  EXPECT_EQ(form.sLabel1->pos(), QPoint(191, 65));
  EXPECT_EQ(form.sLabel2->pos(), QPoint(300, 65));
  EXPECT_GE(form.sLabel2->width(), QFontMetrics(form.sLabel2->font()).horizontalAdvance("seconds"));
  EXPECT_LE(form.sLabel2->geometry().right(), form.width());
  EXPECT_EQ(form.sGroupBox1->title(), "MP3 Quality");
  EXPECT_EQ(form.sLabel1->text(), "Skip first ");
  EXPECT_EQ(form.sLabel2->text(), "seconds");
  EXPECT_EQ(form.sLabel1->font().pixelSize(), 13);
  EXPECT_EQ(form.font().family(), "Tahoma");
  EXPECT_EQ(form.font().pixelSize(), 11);
  EXPECT_EQ(form.Start->text(), "START");
  EXPECT_EQ(form.Cancel->text(), "CANCEL");
  EXPECT_EQ(form.Start->nextInFocusChain(), form.BitRate);
  ASSERT_EQ(form.BitRate->count(), 3);
  EXPECT_EQ(form.BitRate->itemText(0), "GOOD         128 Kbps");
  EXPECT_EQ(form.BitRate->itemText(2), "BEST           256 Kbps");
  ASSERT_EQ(form.SecondsSkipped->count(), 91);
  EXPECT_EQ(form.SecondsSkipped->itemText(90), "90");
  EXPECT_EQ(form.sStatusBar->panelText(1), "Kavo MP3 Converter");
  EXPECT_EQ(form.sStatusBar->font().pixelSize(), 12);
}

TEST(ConverterWindow, NoArgumentsReadAsEmptyTexts)
{
  TMainForm form({});
  EXPECT_EQ(form.windowTitle(), "");
  EXPECT_EQ(form.BitRateCode, "");
  EXPECT_EQ(form.BitRate->currentIndex(), -1);
  EXPECT_EQ(form.OpenFolderFlag, "");
}

TEST(ConverterWindow, QualityArgumentsAndLaterPicks)
{
  TMainForm capital({"/v/clip.flv", "/m", "192K", "true"});
  EXPECT_EQ(capital.BitRate->currentIndex(), -1);
  EXPECT_EQ(capital.BitRateCode, "192K");
  emit capital.BitRate->activated(2);
  EXPECT_EQ(capital.BitRateCode, "256k");

  TMainForm unusual({"/v/clip.flv", "/m", "64k", "false"});
  EXPECT_EQ(unusual.BitRateCode, "64k");
  emit unusual.BitRate->activated(0);
  EXPECT_EQ(unusual.BitRateCode, "128k");
}

TEST(ConverterWindow, SecondsListSetsTheSecondsToSkip)
{
  TMainForm form({"/v/clip.flv", "/m", "192k", "true"});
  emit form.SecondsSkipped->activated(45);
  EXPECT_EQ(form.SecondsToSkip, 45);
  emit form.SecondsSkipped->activated(0);
  EXPECT_EQ(form.SecondsToSkip, 0);
}

}  // namespace
