#pragma once

#include "runtime/display/InteractiveObject.h"

#include <memory>
#include <vector>

namespace flash::display {

// Holds child display objects, the first painted first (at the bottom).
class DisplayObjectContainer : public InteractiveObject {
 public:
  ~DisplayObjectContainer() override;

  int numChildren() const { return static_cast<int>(children_.size()); }
  // Adds on top. A child of another container moves here; a child of this one moves to the top.
  template <class T>
  std::shared_ptr<T> addChild(std::shared_ptr<T> child)
  {
    addChildAt(child, numChildren() - (child && child->parent() == this ? 1 : 0));
    return child;
  }
  // Throws RangeError for an index outside 0 … numChildren, ArgumentError for a null child, this
  // container itself or one of its ancestors.
  void addChildAt(const std::shared_ptr<DisplayObject>& child, int index);
  // Throws ArgumentError when `child` is not a child of this container.
  std::shared_ptr<DisplayObject> removeChild(DisplayObject* child);
  std::shared_ptr<DisplayObject> removeChildAt(int index);
  std::shared_ptr<DisplayObject> getChildAt(int index) const;
  std::shared_ptr<DisplayObject> getChildByName(const QString& name) const;
  int getChildIndex(const DisplayObject* child) const;
  void setChildIndex(DisplayObject* child, int index);
  // True for this container itself and for every object below it.
  bool contains(const DisplayObject* object) const;

  bool mouseChildren() const { return mouseChildren_; }
  void setMouseChildren(bool enabled) { mouseChildren_ = enabled; }

  const std::vector<std::shared_ptr<DisplayObject>>& children() const { return children_; }

  QRectF localBounds() const override;
  bool hitsShape(QPointF local) const override;

 protected:
  void paintChildren(QPainter& painter) const override;

 private:
  int indexOf(const DisplayObject* child) const;
  void checkIndex(int index, int limit) const;

  std::vector<std::shared_ptr<DisplayObject>> children_;
  bool mouseChildren_ = true;
};

}  // namespace flash::display
