#include "converter/ConversionCommand.h"
#include "converter/FFmpegProgress.h"
#include "converter/OutputName.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using namespace converter;

TEST(OutputFile, ReplacesTheLastExtensionInsideTheChosenFolder)
{
  const struct {
    QString video;
    QString folder;
    QString mp3;
  } cases[] = {
      {"/d/Videos/clip.flv", "/c/Music", "/c/Music/clip.mp3"},
      {"/d/Videos/my clip.mp4", "/c/Music", "/c/Music/my clip.mp3"},
      {"/d/Videos/clip.mpeg", "/c/Music", "/c/Music/clip.mp3"},
      {"/d/Videos/clip", "/c/Music", "/c/Music/clip.mp3"},
      {"/d/Videos/ab", "/c/Music", "/c/Music/ab.mp3"},
      {"/d/Videos/my.clip.flv", "/c/Music", "/c/Music/my.clip.mp3"},
      {"/d/Videos/.flv", "/c/Music", "/c/Music/.mp3"},
      {"/d/Videos/clip.flv", "/c/Music/", "/c/Music//clip.mp3"},
      {"/d/Videos/clip.flv", "/", "//clip.mp3"},
      {"", "", "/.mp3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OutputFileFor(c.video, c.folder), c.mp3) << c.video.toStdString();
  }
}

TEST(FFmpegCommand, SkipsSecondsOnlyAboveZero)
{
  const struct {
    int seconds;
    QString line;
  } cases[] = {
      {0, R"("/p/ffmpeg" -y -i "/d/clip.flv" -acodec libmp3lame -ab 192k "/c/Music/clip.mp3")"},
      {45, R"("/p/ffmpeg" -y -i "/d/clip.flv" -acodec libmp3lame -ab 192k -ss 45 "/c/Music/clip.mp3")"},
      {90, R"("/p/ffmpeg" -y -i "/d/clip.flv" -acodec libmp3lame -ab 192k -ss 90 "/c/Music/clip.mp3")"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildFFmpegCommand({"/p/ffmpeg", "/d/clip.flv", "192k", c.seconds}, "/c/Music/clip.mp3"), c.line);
  }
  EXPECT_EQ(BuildFFmpegCommand({"/p/ffmpeg", "/d/clip.flv", "", 0}, "/m/x.mp3"),
            R"("/p/ffmpeg" -y -i "/d/clip.flv" -acodec libmp3lame -ab  "/m/x.mp3")");
}

TEST(FFmpegCommand, PartialFileLiesBesideTheTargetAndKeepsItsFormat)
{
  const QString partial = PartialOutputPathFor("/c/Music//my clip.mp3");
  EXPECT_TRUE(partial.startsWith("/c/Music//.my clip.mp3.partial-")) << partial.toStdString();
  EXPECT_TRUE(partial.endsWith(".mp3"));
  EXPECT_NE(partial, PartialOutputPathFor("/c/Music//my clip.mp3"));
}

TEST(FFmpegReport, LastErrorLineSkipsProgressLines)
{
  EXPECT_EQ(LastErrorLine("Input #0...\n/x/clip.flv: No such file or directory\n"), "/x/clip.flv: No such file or directory");
  EXPECT_EQ(LastErrorLine("Output file #0 does not contain any stream\r\n"), "Output file #0 does not contain any stream");
  EXPECT_EQ(LastErrorLine("Conversion failed!\nsize=  10kB time=00:00:01.00 bitrate= 1kbits/s\r"), "Conversion failed!");
  EXPECT_EQ(LastErrorLine(""), "");
}

TEST(FFmpegReport, ProgressIsPositionOverTheLengthLeftAfterSkipping)
{
  FFmpegProgress progress(10);
  EXPECT_FALSE(progress.fraction());
  progress.take("  Duration: 00:00:");
  progress.take("50.00, start: 0.000000, bitrate: 64 kb/s\n");
  EXPECT_FALSE(progress.fraction());
  progress.take("size=  100kB time=00:00:10.00 bitrate=128.0kbits/s speed=20x\r");
  ASSERT_TRUE(progress.fraction());
  EXPECT_DOUBLE_EQ(*progress.fraction(), 0.25);
  progress.take("size=  900kB time=00:01:10.00 bitrate=128.0kbits/s\r");
  EXPECT_DOUBLE_EQ(*progress.fraction(), 1.0);
  EXPECT_EQ(ParseClock("01:02:03.50"), 3723.5);
  EXPECT_FALSE(ParseClock("N/A"));
}

}  // namespace
