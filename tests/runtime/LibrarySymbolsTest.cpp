#include "movie/library/FullBtn.h"
#include "movie/library/MyLoader.h"
#include "movie/library/MyPanel.h"
#include "movie/library/PauseBtn.h"
#include "movie/library/PlayBtn.h"
#include "movie/library/SeekBarBitmaps.h"
#include "movie/library/SpeakerKey.h"
#include "runtime/display/Bitmap.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using flash::display::DisplayObject;
using runtime_test::Hex;

namespace {

constexpr double kZoom = 8;
constexpr double kMargin = 2;  // symbol units left free around the drawing

// Renders the symbol enlarged with its origin moved by kMargin, so that a symbol point (x, y) is read at
// ((x + kMargin) · kZoom, (y + kMargin) · kZoom).
class Picture {
 public:
  Picture(const DisplayObject& symbol, double width, double height)
      : image_(static_cast<int>((width + 2 * kMargin) * kZoom), static_cast<int>((height + 2 * kMargin) * kZoom),
               QImage::Format_ARGB32)
  {
    image_.fill(Qt::white);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kZoom, kZoom);
    painter.translate(kMargin, kMargin);
    symbol.render(painter);
  }
  QRgb at(double x, double y) const
  {
    return image_.pixel(static_cast<int>((x + kMargin) * kZoom), static_cast<int>((y + kMargin) * kZoom));
  }
  const QImage& image() const { return image_; }

 private:
  QImage image_;
};

// The grey level of a vertical gradient from `top` (at y0) to `bottom` (at y1) at y.
int GradientAt(int top, int bottom, double y0, double y1, double y)
{
  return static_cast<int>(std::lround(top + (bottom - top) * (y - y0) / (y1 - y0)));
}

void ExpectGrey(QRgb pixel, int level, int tolerance = 3)
{
  EXPECT_NEAR(qRed(pixel), level, tolerance) << Hex(pixel).toStdString();
  EXPECT_EQ(qRed(pixel), qGreen(pixel));
  EXPECT_EQ(qRed(pixel), qBlue(pixel));
}

template <class Button>
void ExpectOnePictureForAllStates(const Button& button)
{
  EXPECT_TRUE(button.upState());
  EXPECT_EQ(button.overState(), button.upState());
  EXPECT_EQ(button.downState(), button.upState());
  EXPECT_EQ(button.hitTestState(), button.upState());
}

}  // namespace

TEST(RuntimeLibrarySymbols, KeyButtonsShowTheFaceWithABlackGlyph)
{
  PlayBtn play;
  PauseBtn pause;
  FullBtn full;
  for (const flash::display::SimpleButton* button : {static_cast<flash::display::SimpleButton*>(&play),
                                                     static_cast<flash::display::SimpleButton*>(&pause),
                                                     static_cast<flash::display::SimpleButton*>(&full)}) {
    ExpectOnePictureForAllStates(*button);
    EXPECT_EQ(button->localBounds(), QRectF(QPointF(-0.15, -0.65), QPointF(18.15, 18.6)));
    const Picture picture(*button, 18.3, 19.25);
    ExpectGrey(picture.at(3, 2), GradientAt(0xFC, 0xBF, 0.5, 17.5, 2));  // face, near the top
    ExpectGrey(picture.at(3, 16.5), GradientAt(0xFC, 0xBF, 0.5, 17.5, 16.5));  // face, near the bottom
    ExpectGrey(picture.at(0.5, 1.5), GradientAt(0xF8, 0x40, 0.4, 18.4, 1.5));  // side strip, top
    ExpectGrey(picture.at(17.5, 17), GradientAt(0xF8, 0x40, 0.4, 18.4, 17));  // side strip, bottom
    ExpectGrey(picture.at(9, 18.1), 0x40);  // the dark bottom line
  }
  EXPECT_EQ(Hex(Picture(play, 18.3, 19.25).at(8, 9.2)), "000000");
  EXPECT_EQ(Hex(Picture(pause, 18.3, 19.25).at(6.55, 9)), "000000");
  EXPECT_EQ(Hex(Picture(pause, 18.3, 19.25).at(10.75, 9)), "000000");
  ExpectGrey(Picture(pause, 18.3, 19.25).at(8.65, 9), GradientAt(0xFC, 0xBF, 0.5, 17.5, 9));  // between the bars
  EXPECT_EQ(Hex(Picture(full, 18.3, 19.25).at(9, 9.2)), "000000");
}

TEST(RuntimeLibrarySymbols, KeyButtonsLookTheSameWhenHoveredOrPressed)
{
  PlayBtn play;
  const QImage up = Picture(play, 18.3, 19.25).image();
  play.pointerStateChanged(true, false);
  EXPECT_EQ(Picture(play, 18.3, 19.25).image(), up);
  play.pointerStateChanged(true, true);
  EXPECT_EQ(Picture(play, 18.3, 19.25).image(), up);
}

TEST(RuntimeLibrarySymbols, SpeakerKeysHaveABlackOrGreyGlyph)
{
  Speacer speaker;
  SpeacerMute muted;
  ExpectOnePictureForAllStates(speaker);
  ExpectOnePictureForAllStates(muted);
  EXPECT_EQ(speaker.localBounds(), QRectF(0, 0, 12, 12));
  const Picture loud(speaker, 12, 12);
  const Picture quiet(muted, 12, 12);
  for (const Picture* picture : {&loud, &quiet}) {
    ExpectGrey(picture->at(1, 0.5), GradientAt(0xFC, 0xBF, 0, 12, 0.5));
    ExpectGrey(picture->at(1, 11.5), GradientAt(0xFC, 0xBF, 0, 12, 11.5));
  }
  EXPECT_EQ(Hex(loud.at(3.35, 6)), "000000");  // the small rectangle
  EXPECT_EQ(Hex(loud.at(8.5, 6)), "000000");  // the trapezoid
  EXPECT_EQ(Hex(quiet.at(3.35, 6)), "999999");
  EXPECT_EQ(Hex(quiet.at(8.5, 6)), "999999");

  speaker.setWidth(20);
  speaker.setHeight(20);
  EXPECT_DOUBLE_EQ(speaker.scaleX(), 20.0 / 12);
}

TEST(RuntimeLibrarySymbols, PanelIsAVerticalGradientThatStretches)
{
  MyPanel panel;
  EXPECT_EQ(panel.totalFrames(), 1);
  EXPECT_EQ(panel.localBounds(), QRectF(0, 0, 27.5, 20));
  const Picture picture(panel, 27.5, 20);
  ExpectGrey(picture.at(13, 0.5), GradientAt(0xFD, 0xBF, 0, 20, 0.5));
  ExpectGrey(picture.at(13, 19.5), GradientAt(0xFD, 0xBF, 0, 20, 19.5));
  panel.setWidth(408);
  EXPECT_DOUBLE_EQ(panel.width(), 408);
}

TEST(RuntimeLibrarySymbols, SeekBarBitmapsHoldTheirStoredPicturesWhateverSizeIsAsked)
{
  const SlPart part(0, 0);
  const CSlDrag drag(0, 0);
  const CSlFill fill(0, 0);
  EXPECT_EQ(QSize(part.width(), part.height()), QSize(2, 5));
  EXPECT_EQ(QSize(drag.width(), drag.height()), QSize(2, 7));
  EXPECT_EQ(QSize(fill.width(), fill.height()), QSize(2, 5));
  const quint32 partRows[] = {0xA1A1A1, 0x9F9F9F, 0x9B9B9B, 0x989898, 0x969696};
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(part.getPixel(0, y), partRows[y]);
    EXPECT_EQ(part.getPixel(1, y), partRows[y]);
    EXPECT_EQ(fill.getPixel32(1, y), 0xFF010101u);
  }
  EXPECT_EQ(drag.getPixel(0, 0), 0x000000u);
  EXPECT_EQ(drag.getPixel(0, 6), 0x010101u);

  // Shown stretched to a cap of 10 × 7.
  flash::display::Bitmap cap(std::make_shared<SlPart>());
  cap.setWidth(10);
  cap.setHeight(7);
  const QImage image = runtime_test::Render(cap, 10, 7);
  EXPECT_NEAR(qRed(image.pixel(5, 0)), 0xA1, 1);
  EXPECT_NEAR(qRed(image.pixel(5, 6)), 0x96, 1);
}

namespace {

// The colour over the loader's half-black backdrop (on white) of a white spoke at `alpha`.
int SpokeLevel(int alpha)
{
  const double backdrop = 255 * (1 - 128 / 255.0);
  return static_cast<int>(std::lround(backdrop + (255 - backdrop) * alpha / 255.0));
}

}  // namespace

TEST(RuntimeLibrarySymbols, LoaderSpinnerTurnsOneSpokeEveryTwoFrames)
{
  MyLoader loader;
  EXPECT_EQ(loader.totalFrames(), 24);
  ASSERT_TRUE(loader.txt);
  EXPECT_EQ(loader.txt->text(), "");
  EXPECT_FALSE(loader.txt->selectable());
  EXPECT_EQ(loader.localBounds(), QRectF(-20, -20, 40, 40));
  loader.setX(20);  // centred in the picture
  loader.setY(20);

  for (int frame = 1; frame <= 24; ++frame) {
    loader.gotoAndStop(frame);
    const Picture picture(loader, 40, 40);
    const double brightest = 180 + 30 * ((frame - 1) / 2);  // 9 o'clock, then clockwise
    for (int spoke = 0; spoke < MyLoader::kSpokes; ++spoke) {
      const double radians = (brightest - 30 * spoke) * M_PI / 180;
      const QRgb pixel = picture.at(20 + 12 * std::cos(radians), 20 + 12 * std::sin(radians));
      ExpectGrey(pixel, SpokeLevel(MyLoader::kSpokeAlphas[static_cast<size_t>(spoke)]), 4);
    }
    ExpectGrey(picture.at(20, 20), SpokeLevel(0), 2);  // the backdrop at the centre
  }
  ExpectGrey(Picture(loader, 40, 40).at(0.3, 0.3), 255, 2);  // outside the rounded corner
}

TEST(RuntimeLibrarySymbols, LoaderSpokeAlphasFallCounterClockwiseFromTheBrightest)
{
  EXPECT_EQ(MyLoader::kSpokeAlphas, (std::array<int, 12>{255, 230, 204, 179, 153, 128, 102, 77, 51, 26, 13, 0}));
  EXPECT_EQ(MyLoader::brightestSpokeAngle(1), 180);
  EXPECT_EQ(MyLoader::brightestSpokeAngle(2), 180);
  EXPECT_EQ(MyLoader::brightestSpokeAngle(3), 210);
  EXPECT_EQ(std::fmod(MyLoader::brightestSpokeAngle(24) + 30, 360), 180);  // frame 1 follows frame 24
}
