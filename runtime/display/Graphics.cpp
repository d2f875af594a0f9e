#include "runtime/display/Graphics.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace flash::display {

namespace {

QColor Colour(quint32 rgb, double alpha)
{
  QColor colour(QRgb(rgb & 0xFFFFFF));
  colour.setAlphaF(static_cast<float>(qBound(0.0, alpha, 1.0)));
  return colour;
}

QPainterPath Outline(const QPainterPath& path, const QPen& pen)
{
  QPainterPathStroker stroker(pen);
  stroker.setWidth(qMax(pen.widthF(), 1.0));
  return stroker.createStroke(path);
}

}  // namespace

void Graphics::clear()
{
  items_.clear();
  fill_ = Qt::NoBrush;
  fillPath_ = {};
  pen_ = Qt::NoPen;
  linePath_ = {};
  penPosition_ = {};
  notify();
}

void Graphics::beginFill(quint32 color, double alpha)
{
  flushFill();
  fill_ = QBrush(Colour(color, alpha));
}

void Graphics::beginGradientFill(const QString& type, const QVector<quint32>& colors, const QVector<double>& alphas,
                                 const QVector<int>& ratios, const geom::Matrix& matrix)
{
  flushFill();
  constexpr double kHalfSquare = 819.2;
  QGradient gradient = type == GradientType::RADIAL
                           ? QGradient(QRadialGradient(QPointF(0, 0), kHalfSquare))
                           : QGradient(QLinearGradient(QPointF(-kHalfSquare, 0), QPointF(kHalfSquare, 0)));
  const qsizetype stops = std::min({colors.size(), alphas.size(), ratios.size()});
  for (qsizetype i = 0; i < stops; ++i) {
    gradient.setColorAt(qBound(0, ratios[i], 255) / 255.0, Colour(colors[i], alphas[i]));
  }
  fill_ = QBrush(gradient);
  fill_.setTransform(matrix.toTransform());
}

void Graphics::endFill()
{
  flushFill();
  fill_ = Qt::NoBrush;
}

void Graphics::lineStyle(double thickness, quint32 color, double alpha, const QString& caps)
{
  flushLine();
  if (std::isnan(thickness) || thickness < 0) {
    pen_ = Qt::NoPen;
    return;
  }
  pen_ = QPen(Colour(color, alpha), thickness);
  pen_.setCapStyle(caps == CapsStyle::NONE ? Qt::FlatCap : caps == CapsStyle::SQUARE ? Qt::SquareCap : Qt::RoundCap);
  pen_.setJoinStyle(Qt::RoundJoin);
}

void Graphics::moveTo(double x, double y)
{
  penPosition_ = QPointF(x, y);
  fillPath_.moveTo(penPosition_);
  linePath_.moveTo(penPosition_);
}

void Graphics::lineTo(double x, double y)
{
  if (fillPath_.elementCount() == 0) {
    fillPath_.moveTo(penPosition_);
  }
  if (linePath_.elementCount() == 0) {
    linePath_.moveTo(penPosition_);
  }
  penPosition_ = QPointF(x, y);
  fillPath_.lineTo(penPosition_);
  linePath_.lineTo(penPosition_);
  notify();
}

void Graphics::curveTo(double controlX, double controlY, double anchorX, double anchorY)
{
  if (fillPath_.elementCount() == 0) {
    fillPath_.moveTo(penPosition_);
  }
  if (linePath_.elementCount() == 0) {
    linePath_.moveTo(penPosition_);
  }
  penPosition_ = QPointF(anchorX, anchorY);
  fillPath_.quadTo(QPointF(controlX, controlY), penPosition_);
  linePath_.quadTo(QPointF(controlX, controlY), penPosition_);
  notify();
}

void Graphics::drawRect(double x, double y, double width, double height)
{
  QPainterPath shape;
  shape.addRect(QRectF(x, y, width, height));
  addShape(shape);
}

void Graphics::drawRoundRect(double x, double y, double width, double height, double ellipseWidth, double ellipseHeight)
{
  if (ellipseHeight < 0) {
    ellipseHeight = ellipseWidth;
  }
  QPainterPath shape;
  shape.addRoundedRect(QRectF(x, y, width, height), ellipseWidth / 2, ellipseHeight / 2);
  addShape(shape);
}

void Graphics::drawCircle(double x, double y, double radius)
{
  QPainterPath shape;
  shape.addEllipse(QPointF(x, y), radius, radius);
  addShape(shape);
}

void Graphics::drawEllipse(double x, double y, double width, double height)
{
  QPainterPath shape;
  shape.addEllipse(QRectF(x, y, width, height));
  addShape(shape);
}

void Graphics::addShape(const QPainterPath& shape)
{
  fillPath_.addPath(shape);
  linePath_.addPath(shape);
  penPosition_ = shape.currentPosition();
  notify();
}

void Graphics::flushFill()
{
  if (fill_.style() != Qt::NoBrush && !fillPath_.isEmpty()) {
    QPainterPath path = fillPath_;
    path.setFillRule(Qt::OddEvenFill);
    items_.append(Item{path, fill_, Qt::NoPen});
  }
  fillPath_ = {};
  flushLine();
  notify();
}

void Graphics::flushLine()
{
  if (pen_.style() != Qt::NoPen && !linePath_.isEmpty()) {
    items_.append(Item{linePath_, Qt::NoBrush, pen_});
  }
  linePath_ = {};
}

void Graphics::notify()
{
  if (changed_) {
    changed_();
  }
}

QRectF Graphics::bounds() const
{
  QRectF result;
  auto add = [&result](const QPainterPath& path, const QBrush& brush, const QPen& pen) {
    if (pen.style() != Qt::NoPen) {
      const double half = qMax(pen.widthF(), 1.0) / 2;
      result |= path.boundingRect().adjusted(-half, -half, half, half);
    } else if (brush.style() != Qt::NoBrush) {
      result |= path.boundingRect();
    }
  };
  for (const Item& item : items_) {
    add(item.path, item.brush, item.pen);
  }
  add(fillPath_, fill_, Qt::NoPen);
  add(linePath_, Qt::NoBrush, pen_);
  return result;
}

bool Graphics::hitTest(QPointF point) const
{
  auto hits = [point](const QPainterPath& path, const QBrush& brush, const QPen& pen) {
    if (brush.style() != Qt::NoBrush && path.contains(point)) {
      return true;
    }
    return pen.style() != Qt::NoPen && Outline(path, pen).contains(point);
  };
  for (const Item& item : items_) {
    if (hits(item.path, item.brush, item.pen)) {
      return true;
    }
  }
  QPainterPath open = fillPath_;
  open.setFillRule(Qt::OddEvenFill);
  return hits(open, fill_, Qt::NoPen) || hits(linePath_, Qt::NoBrush, pen_);
}

void Graphics::paint(QPainter& painter) const
{
  auto draw = [&painter](const QPainterPath& path, const QBrush& brush, const QPen& pen) {
    painter.setBrush(brush);
    painter.setPen(pen);
    painter.drawPath(path);
  };
  for (const Item& item : items_) {
    draw(item.path, item.brush, item.pen);
  }
  if (fill_.style() != Qt::NoBrush && !fillPath_.isEmpty()) {
    QPainterPath open = fillPath_;
    open.setFillRule(Qt::OddEvenFill);
    draw(open, fill_, Qt::NoPen);
  }
  if (pen_.style() != Qt::NoPen && !linePath_.isEmpty()) {
    draw(linePath_, Qt::NoBrush, pen_);
  }
}

}  // namespace flash::display
