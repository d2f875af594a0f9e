#pragma once

#include "runtime/events/EventDispatcher.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

class QPainter;

namespace flash::display {

class DisplayObjectContainer;
class Stage;

// Anything on the display list: position, scale, rotation, alpha and visibility relative to its parent.
class DisplayObject : public events::EventDispatcher {
 public:
  DisplayObject() = default;
  ~DisplayObject() override = default;

  const QString& name() const { return name_; }
  void setName(const QString& name) { name_ = name; }

  double x() const { return x_; }
  double y() const { return y_; }
  void setX(double x);
  void setY(double y);
  double scaleX() const { return scaleX_; }
  double scaleY() const { return scaleY_; }
  void setScaleX(double scale);
  void setScaleY(double scale);
  // Degrees, clockwise.
  double rotation() const { return rotation_; }
  void setRotation(double degrees);
  // Size of the bounds in the parent's space; setting one changes the scale on that axis.
  virtual double width() const;
  virtual double height() const;
  virtual void setWidth(double width);
  virtual void setHeight(double height);
  double alpha() const { return alpha_; }
  void setAlpha(double alpha);
  bool visible() const { return visible_; }
  void setVisible(bool visible);

  DisplayObjectContainer* parent() const { return parent_; }
  virtual Stage* stage() const;

  // Local space → parent space.
  QTransform transform() const;
  // Local space → stage space.
  QTransform concatenatedTransform() const;
  QPointF localToGlobal(QPointF point) const;
  QPointF globalToLocal(QPointF point) const;
  // Bounds in the space of `targetSpace` (the stage space when null).
  QRectF getBounds(const DisplayObject* targetSpace) const;
  // Whether the stage point lies within the bounds, or on drawn content with `shapeFlag`.
  bool hitTestPoint(double stageX, double stageY, bool shapeFlag = false) const;
  double mouseX() const;
  double mouseY() const;

  // Bounds of the object's own drawing and its children, in local space.
  virtual QRectF localBounds() const { return contentBounds(); }
  // Whether a local point lies on drawn content (own or of visible children).
  virtual bool hitsShape(QPointF local) const { return hitsContent(local); }
  // Paints the object with its transform and alpha onto a painter set up in the parent's space.
  virtual void render(QPainter& painter) const;

  // Whether a local point lies on the object's own drawing, leaving out its children.
  bool hitsOwnContent(QPointF local) const { return hitsContent(local); }

  // Marks the object's area on the stage for repainting.
  void invalidate() const;

 protected:
  virtual QRectF contentBounds() const { return {}; }
  virtual bool hitsContent(QPointF /*local*/) const { return false; }
  virtual void paintContent(QPainter& /*painter*/) const {}
  virtual void paintChildren(QPainter& /*painter*/) const {}

  events::EventDispatcher* eventParent() const override;
  void listenerAdded(const QString& type) override;

 private:
  friend class DisplayObjectContainer;
  template <class Value>
  void change(Value& field, Value value);

  QString name_;
  double x_ = 0;
  double y_ = 0;
  double scaleX_ = 1;
  double scaleY_ = 1;
  double rotation_ = 0;
  double alpha_ = 1;
  bool visible_ = true;
  DisplayObjectContainer* parent_ = nullptr;
};

}  // namespace flash::display
