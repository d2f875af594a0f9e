#include "movie/library/MyLoader.h"

#include <cmath>

MyLoader::MyLoader() : MovieClip(24)
{
  auto backdrop = std::make_shared<flash::display::Shape>();
  backdrop->graphics().beginFill(0x000000, 128 / 255.0);
  backdrop->graphics().drawRoundRect(-20, -20, 40, 40, 8);
  backdrop->graphics().endFill();
  addChild(backdrop);

  spinner_ = addChild(std::make_shared<flash::display::Shape>());

  txt = std::make_shared<flash::text::TextField>();
  txt->setName(QStringLiteral("txt"));
  // The field is placed at (−6, −7) with its box reaching 2 pixels up and left of that point.
  txt->setX(-8);
  txt->setY(-9);
  txt->setWidth(16);
  txt->setHeight(16.35);
  txt->setSelectable(false);
  flash::text::TextFormat format;
  format.font = QStringLiteral("_sans");
  format.size = 10;
  format.color = 0xFFFFFF;
  format.align = flash::text::TextFormatAlign::CENTER;
  format.leading = 2;
  txt->setDefaultTextFormat(format);
  addChild(txt);

  frameEntered(1);
}

double MyLoader::brightestSpokeAngle(int frame)
{
  const int picture = (frame - 1) / 2;  // each picture shows for two frames
  return 180 + 30 * picture;  // from 9 o'clock, one spoke clockwise per picture
}

void MyLoader::frameEntered(int frame)
{
  auto& graphics = spinner_->graphics();
  graphics.clear();
  const double brightest = brightestSpokeAngle(frame);
  for (int spoke = 0; spoke < kSpokes; ++spoke) {
    const double radians = (brightest - 30 * spoke) * M_PI / 180;
    graphics.lineStyle(2, 0xFFFFFF, kSpokeAlphas[static_cast<size_t>(spoke)] / 255.0, flash::display::CapsStyle::ROUND);
    graphics.moveTo(8 * std::cos(radians), 8 * std::sin(radians));
    graphics.lineTo(16 * std::cos(radians), 16 * std::sin(radians));
  }
  graphics.lineStyle();
}
