#include "player/VideoProbe.h"

#include "player/MainForm.h"
#include "player/WindowFrame.h"
#include "runtime/FlashPlayerControl.h"
#include "shared/ToolRunner.h"
#include "tests/player/PlayerTestSupport.h"
#include "tests/support/Media.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

const QString kLegacyFlvReport = QStringLiteral(
    "Input #0, flv, from 'D:/Videos/clip.flv':\n"
    "  Duration: 00:00:06.27, start: 0.000000, bitrate: 179 kb/s\n"
    "    Stream #0.0: Video: flv, yuv420p, 320x240, 12 tbr, 1k tbn, 1k tbc\n"
    "    Stream #0.1: Audio: mp3, 22050 Hz, 1 channels, s16, 32 kb/s\n"
    "At least one output file must be specified\n");

const QString kLegacyMp4Report = QStringLiteral(
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'D:/Videos/clip.mp4':\n"
    "  Duration: 00:01:00.00, start: 0.000000, bitrate: 998 kb/s\n"
    "    Stream #0.0(und): Audio: aac, 44100 Hz, stereo, s16, 128 kb/s\n"
    "    Stream #0.1(und): Video: h264, yuv420p, 640x360 [PAR 1:1 DAR 16:9], 870 kb/s, 25 fps, 25 tbr, 25 tbn, 50 tbc\n"
    "    Metadata:\n"
    "      handler_name    : VideoHandler\n");

const QString kCurrentMp4Report = QStringLiteral(
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/v/clip.mp4':\n"
    "  Metadata:\n"
    "    major_brand     : isom\n"
    "  Duration: 00:00:02.00, start: 0.000000, bitrate: 120 kb/s\n"
    "  Stream #0:0[0x1](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, stereo, fltp, 128 kb/s (default)\n"
    "  Stream #0:1[0x2](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(tv, bt709, progressive), 1280x720 [SAR 1:1 DAR 16:9], 50 kb/s, 25 fps, 25 tbr, 12800 tbn (default)\n"
    "    Metadata:\n"
    "      handler_name    : VideoHandler\n");

TEST(ParseVideoSize, ReadsTheOlderReportFormStepByStep)
{
  const struct {
    const char* name;
    QString report;
    QString extension;
    std::optional<QSize> size;
  } cases[] = {
      {"flv example", kLegacyFlvReport, ".flv", QSize(320, 240)},
      {"mp4 example", kLegacyMp4Report, ".mp4", QSize(640, 360)},
      {"capital FLV", kLegacyFlvReport, ".FLV", std::nullopt},
      {"capital MP4", kLegacyMp4Report, ".MP4", std::nullopt},
      {"other extension", kLegacyFlvReport, ".avi", std::nullopt},
      {"empty report", "", ".flv", std::nullopt},
      {"Metadata ahead of the stream",
       QString(kLegacyMp4Report).replace("Input #0, mov", "  Metadata:\nInput #0, mov"), ".mp4", std::nullopt},
      {"no Metadata at all", QString(kLegacyMp4Report).replace("Metadata", "Tags"), ".mp4", std::nullopt},
      {"video-only flv", QString(kLegacyFlvReport).replace("Stream #0.1", "Stream #9.9"), ".flv", std::nullopt},
      {"sound first in an flv",
       "    Stream #0.0: Audio: mp3, 22050 Hz, 1 channels, s16, 32 kb/s\n"
       "    Stream #0.1: Video: flv, yuv420p, 320x240, 12 tbr, 1k tbn, 1k tbc\n", ".flv", std::nullopt},
      {"no tbc", QString(kLegacyFlvReport).replace(" 1k tbc", ""), ".flv", std::nullopt},
      {"800x600", QString(kLegacyFlvReport).replace("320x240", "800x600"), ".flv", QSize(800, 600)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindFrameSizeInLegacyReport(c.report, c.extension), c.size) << c.name;
  }
}

TEST(ParseVideoSize, ReadsTheCurrentReportFormForFlvAndMp4Only)
{
  EXPECT_EQ(FindVideoFrameSize(kCurrentMp4Report, ".mp4"), QSize(1280, 720));
  EXPECT_EQ(FindVideoFrameSize(kCurrentMp4Report, ".MP4"), std::nullopt);
  EXPECT_EQ(FindVideoFrameSize(QString(kCurrentMp4Report).replace("Video:", "Data:"), ".mp4"), std::nullopt);
  EXPECT_EQ(FindVideoFrameSize("  Stream #0:0: Video: flv1, yuv420p, 320x240, 200 kb/s, 12 fps\n", ".flv"),
            QSize(320, 240));
  EXPECT_EQ(FindVideoFrameSize("  Stream #0:0: Video: flv1, yuv420p\n", ".flv"), std::nullopt);
}

TEST(ParseVideoSize, FileExtensionAsTheNameSpellsIt)
{
  EXPECT_EQ(FileExtension("/v/my.clip.FLV"), ".FLV");
  EXPECT_EQ(FileExtension("/v.d/clip"), "");
  EXPECT_EQ(FileExtension("/v/.flv"), ".flv");
  EXPECT_EQ(BuildProbeCommand("/p/ffmpeg", "/v/my clip.mp4"), R"("/p/ffmpeg" -i "/v/my clip.mp4")");
}

class WindowFitTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  ScopedTestHome home;
};

TEST_F(WindowFitTest, RealReportsOfThisMachinesFFmpegFitTheWindow)
{
  const struct {
    MediaKind kind;
    QString name;
    QSize frame;
  } cases[] = {{MediaKind::FlvWithMp3, "clip.flv", {320, 240}}, {MediaKind::Mp4WithAac, "clip.mp4", {640, 360}}};
  for (const auto& c : cases) {
    const QString video = home.path() + "/" + c.name;
    ASSERT_TRUE(MakeMedia(c.kind, video, 1));
    TMainForm form;
    SetOuterSizeConstraints(form, 0, 0, 0, 0);
    RunAndCapture(BuildProbeCommand(FFmpegPath, video));
    form.ParseVideoSize(CapturedOutput, FileExtension(video));
    EXPECT_EQ(OuterSizeForClient(form.size()), c.frame + QSize(16, 110)) << c.name.toStdString();
    EXPECT_EQ(form.FlashPlayer->width(), c.frame.width());
  }
}

TEST_F(WindowFitTest, NoSizeLeavesTheWindowAlone)
{
  TMainForm form;
  SetOuterSizeConstraints(form, 0, 0, 0, 0);
  form.ParseVideoSize(kLegacyFlvReport, ".FLV");
  form.ParseVideoSize("", ".flv");
  EXPECT_EQ(form.size(), QSize(320, 289));
  form.ParseVideoSize(QString(kLegacyFlvReport).replace("320x240", "800x600"), ".flv");
  EXPECT_EQ(OuterSizeForClient(form.size()), QSize(816, 710));
}

}  // namespace
