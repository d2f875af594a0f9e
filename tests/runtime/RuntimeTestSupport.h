#pragma once

#include "runtime/display/Shape.h"
#include "runtime/display/Sprite.h"
#include "runtime/display/Stage.h"
#include "tests/support/QtPrinters.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <memory>

namespace runtime_test {

// A sprite with a filled rectangle of its own drawing.
inline std::shared_ptr<flash::display::Sprite> Box(const QString& name, double x, double y, double w, double h,
                                                   quint32 color = 0x808080)
{
  auto sprite = std::make_shared<flash::display::Sprite>();
  sprite->setName(name);
  sprite->setX(x);
  sprite->setY(y);
  sprite->graphics().beginFill(color);
  sprite->graphics().drawRect(0, 0, w, h);
  sprite->graphics().endFill();
  return sprite;
}

inline std::shared_ptr<flash::display::Stage> MakeStage(int width = 200, int height = 100)
{
  return std::make_shared<flash::display::Stage>(QSize(width, height));
}

// Paints the object (with its own transform) onto a white picture of the given size.
inline QImage Render(const flash::display::DisplayObject& object, int width, int height, double zoom = 1)
{
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(zoom, zoom);
  object.render(painter);
  return image;
}

inline QString Hex(QRgb colour)
{
  return QStringLiteral("%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

inline QStringList Names(const flash::display::DisplayObjectContainer& container)
{
  QStringList names;
  for (const auto& child : container.children()) {
    names << child->name();
  }
  return names;
}

}  // namespace runtime_test

inline void PrintTo(const QStringList& list, std::ostream* out)
{
  *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}
