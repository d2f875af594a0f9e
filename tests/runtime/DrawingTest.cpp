#include "runtime/display/Bitmap.h"
#include "runtime/display/Shape.h"
#include "runtime/text/TextField.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace flash::display;
using runtime_test::Hex;
using runtime_test::Render;

namespace {

int Channel(QRgb colour)
{
  return qRed(colour);
}

}  // namespace

TEST(RuntimeDrawing, SolidFillsAndRoundedCorners)
{
  Sprite sprite;
  sprite.graphics().beginFill(0xFF0000);
  sprite.graphics().drawRect(2, 2, 10, 10);
  sprite.graphics().endFill();
  sprite.graphics().beginFill(0x0000FF);
  sprite.graphics().drawRoundRect(20, 0, 20, 20, 16);
  sprite.graphics().endFill();
  const QImage image = Render(sprite, 50, 30);
  EXPECT_EQ(Hex(image.pixel(7, 7)), "ff0000");
  EXPECT_EQ(Hex(image.pixel(1, 1)), "ffffff");
  EXPECT_EQ(Hex(image.pixel(30, 10)), "0000ff");
  EXPECT_EQ(Hex(image.pixel(20, 0)), "ffffff");  // cut off by the rounded corner
  EXPECT_EQ(sprite.width(), 38);
}

TEST(RuntimeDrawing, VerticalLinearGradientRunsFromTopColourToBottomColour)
{
  Shape shape;
  flash::geom::Matrix box;
  box.createGradientBox(10, 100, M_PI / 2);
  shape.graphics().beginGradientFill(GradientType::LINEAR, {0xFCFCFC, 0xBFBFBF}, {1, 1}, {0, 255}, box);
  shape.graphics().drawRect(0, 0, 10, 100);
  shape.graphics().endFill();
  const QImage image = Render(shape, 10, 100);
  EXPECT_NEAR(Channel(image.pixel(5, 0)), 0xFC, 2);
  EXPECT_NEAR(Channel(image.pixel(5, 99)), 0xBF, 2);
  EXPECT_NEAR(Channel(image.pixel(5, 50)), (0xFC + 0xBF) / 2, 3);
  EXPECT_EQ(image.pixel(0, 50), image.pixel(9, 50));  // no change across
}

TEST(RuntimeDrawing, LinesAlphaVisibilityAndScale)
{
  auto root = std::make_shared<Sprite>();
  auto line = root->addChild(std::make_shared<Shape>());
  line->graphics().lineStyle(2, 0x00FF00);
  line->graphics().moveTo(0, 5);
  line->graphics().lineTo(40, 5);
  auto veil = root->addChild(runtime_test::Box("veil", 0, 20, 10, 10, 0x000000));
  veil->setAlpha(0.5);
  auto hidden = root->addChild(runtime_test::Box("hidden", 20, 20, 10, 10, 0xFF0000));
  hidden->setVisible(false);
  auto stretched = root->addChild(runtime_test::Box("stretched", 0, 40, 10, 10, 0x0000FF));
  stretched->setWidth(40);

  const QImage image = Render(*root, 50, 60);
  EXPECT_EQ(Hex(image.pixel(20, 5)), "00ff00");
  EXPECT_NEAR(Channel(image.pixel(5, 25)), 0x80, 2);
  EXPECT_EQ(Hex(image.pixel(25, 25)), "ffffff");
  EXPECT_EQ(Hex(image.pixel(35, 45)), "0000ff");
  EXPECT_EQ(Hex(image.pixel(45, 45)), "ffffff");
}

TEST(RuntimeDrawing, BitmapsShowTheirPixelsAndStretch)
{
  auto data = std::make_shared<BitmapData>(2, 2, false, 0xFF000000);
  data->setPixel32(1, 0, 0xFFFF0000);
  data->setPixel32(0, 1, 0x8000FF00);  // opaque picture: the alpha is dropped
  EXPECT_EQ(data->getPixel32(0, 1), 0xFF00FF00);
  EXPECT_EQ(data->getPixel(1, 0), 0xFF0000u);
  Bitmap bitmap(data);
  bitmap.setScaleX(10);
  bitmap.setScaleY(10);
  const QImage image = Render(bitmap, 20, 20);
  EXPECT_EQ(Hex(image.pixel(15, 5)), "ff0000");
  EXPECT_EQ(Hex(image.pixel(5, 15)), "00ff00");
  EXPECT_EQ(Hex(image.pixel(15, 15)), "000000");
  EXPECT_EQ(bitmap.width(), 20);
}

TEST(RuntimeDrawing, TextFieldsDrawTheirTextInTheirColourAndAlignment)
{
  flash::text::TextField field;
  field.setWidth(200);
  field.setHeight(30);
  flash::text::TextFormat format;
  format.font = QStringLiteral("Liberation Sans");
  format.size = 20;
  format.bold = true;
  format.color = 0x0000FF;
  format.align = flash::text::TextFormatAlign::CENTER;
  field.setDefaultTextFormat(format);
  field.setText(QStringLiteral("Install"));
  EXPECT_EQ(field.width(), 200);  // the box, not a scale

  const QImage image = Render(field, 200, 30);
  int left = 200;
  int right = -1;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 200; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qBlue(pixel) > 200 && qRed(pixel) < 60) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, 0) << "no blue text drawn";
  EXPECT_NEAR((left + right) / 2.0, 100, 3);
  EXPECT_NEAR(right - left, field.textWidth(), 6);  // ink inside the advance width
}

TEST(RuntimeDrawing, ChangesReportTheAreasToRepaint)
{
  auto stage = runtime_test::MakeStage(200, 100);
  QRectF dirty;
  stage->setRepaintHandler([&dirty](const QRectF& area) { dirty |= area; });
  auto box = stage->addChild(runtime_test::Box("box", 10, 10, 20, 20));
  dirty = {};
  box->setX(100);
  EXPECT_TRUE(dirty.contains(QRectF(10, 10, 20, 20)));  // where it was
  EXPECT_TRUE(dirty.contains(QRectF(100, 10, 20, 20)));  // where it is
  EXPECT_FALSE(dirty.contains(QRectF(0, 50, 200, 50)));  // not the whole stage
  dirty = {};
  box->setX(100);
  EXPECT_TRUE(dirty.isNull());  // nothing changed, nothing to paint
}
