#pragma once

#include "runtime/geom/Matrix.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QVector>

#include <functional>

class QPainter;

namespace flash::display {

namespace GradientType {
inline const QString LINEAR = QStringLiteral("linear");
inline const QString RADIAL = QStringLiteral("radial");
}  // namespace GradientType

namespace CapsStyle {
inline const QString NONE = QStringLiteral("none");
inline const QString ROUND = QStringLiteral("round");
inline const QString SQUARE = QStringLiteral("square");
}  // namespace CapsStyle

// Vector drawing of a Shape or Sprite: fills and lines are recorded as they are given and painted in
// that order.
class Graphics {
 public:
  explicit Graphics(std::function<void()> changed = {}) : changed_(std::move(changed)) {}

  void clear();
  // Colours are 0xRRGGBB, alphas 0 … 1.
  void beginFill(quint32 color, double alpha = 1.0);
  // Ratios 0 … 255 place the colours along the gradient; without a matrix the gradient spans the
  // gradient square.
  void beginGradientFill(const QString& type, const QVector<quint32>& colors, const QVector<double>& alphas,
                         const QVector<int>& ratios, const geom::Matrix& matrix = {});
  void endFill();
  // A negative or NaN thickness switches lines off.
  void lineStyle(double thickness = -1, quint32 color = 0, double alpha = 1.0, const QString& caps = CapsStyle::ROUND);
  void moveTo(double x, double y);
  void lineTo(double x, double y);
  void curveTo(double controlX, double controlY, double anchorX, double anchorY);
  void drawRect(double x, double y, double width, double height);
  // Corners are quarter ellipses of ellipseWidth × ellipseHeight (the width again when no height is given).
  void drawRoundRect(double x, double y, double width, double height, double ellipseWidth, double ellipseHeight = -1);
  void drawCircle(double x, double y, double radius);
  void drawEllipse(double x, double y, double width, double height);

  QRectF bounds() const;
  bool hitTest(QPointF point) const;
  void paint(QPainter& painter) const;
  bool isEmpty() const { return items_.isEmpty() && fillPath_.isEmpty() && linePath_.isEmpty(); }

 private:
  struct Item {
    QPainterPath path;
    QBrush brush;
    QPen pen;
  };
  void addShape(const QPainterPath& shape);
  void flushFill();
  void flushLine();
  void notify();

  std::function<void()> changed_;
  QVector<Item> items_;
  QBrush fill_ = Qt::NoBrush;
  QPainterPath fillPath_;
  QPen pen_ = Qt::NoPen;
  QPainterPath linePath_;
  QPointF penPosition_;
};

}  // namespace flash::display
