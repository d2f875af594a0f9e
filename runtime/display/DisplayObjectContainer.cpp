#include "runtime/display/DisplayObjectContainer.h"

#include "runtime/Errors.h"
#include "runtime/display/Stage.h"

#include <QPainter>

#include <algorithm>

namespace flash::display {

namespace {

void DispatchToSubtree(DisplayObject& object, const QString& type)
{
  events::Event event(type);
  object.dispatchEvent(event);
  if (auto* container = dynamic_cast<DisplayObjectContainer*>(&object)) {
    const auto children = container->children();
    for (const auto& child : children) {
      DispatchToSubtree(*child, type);
    }
  }
}

}  // namespace

DisplayObjectContainer::~DisplayObjectContainer()
{
  for (const auto& child : children_) {
    child->parent_ = nullptr;
  }
}

void DisplayObjectContainer::addChildAt(const std::shared_ptr<DisplayObject>& child, int index)
{
  if (!child) {
    throw ArgumentError("addChildAt: the child is null");
  }
  if (child.get() == this) {
    throw ArgumentError("addChildAt: an object cannot be its own child");
  }
  if (auto* childContainer = dynamic_cast<DisplayObjectContainer*>(child.get());
      childContainer != nullptr && childContainer->contains(this)) {
    throw ArgumentError("addChildAt: an object cannot be added to one of its own children");
  }
  if (child->parent_ == this) {
    setChildIndex(child.get(), index);
    return;
  }
  checkIndex(index, numChildren());
  if (child->parent_ != nullptr) {
    child->parent_->removeChild(child.get());
    index = std::min(index, numChildren());
  }
  children_.insert(children_.begin() + index, child);
  child->parent_ = this;
  child->invalidate();

  events::Event added(events::Event::ADDED, true);
  child->dispatchEvent(added);
  if (Stage* stage = this->stage(); stage != nullptr && child->parent_ == this) {
    DispatchToSubtree(*child, events::Event::ADDED_TO_STAGE);
    stage->wakeFrameClock();
  }
}

std::shared_ptr<DisplayObject> DisplayObjectContainer::removeChild(DisplayObject* child)
{
  const int index = indexOf(child);
  if (index < 0) {
    throw ArgumentError("removeChild: the object is not a child of this container");
  }
  return removeChildAt(index);
}

std::shared_ptr<DisplayObject> DisplayObjectContainer::removeChildAt(int index)
{
  checkIndex(index, numChildren() - 1);
  std::shared_ptr<DisplayObject> child = children_[static_cast<size_t>(index)];
  events::Event removed(events::Event::REMOVED, true);
  child->dispatchEvent(removed);
  if (stage() != nullptr) {
    DispatchToSubtree(*child, events::Event::REMOVED_FROM_STAGE);
  }
  child->invalidate();
  // Listeners may have moved the child meanwhile.
  const int now = indexOf(child.get());
  if (now >= 0) {
    children_.erase(children_.begin() + now);
    child->parent_ = nullptr;
  }
  return child;
}

std::shared_ptr<DisplayObject> DisplayObjectContainer::getChildAt(int index) const
{
  checkIndex(index, numChildren() - 1);
  return children_[static_cast<size_t>(index)];
}

std::shared_ptr<DisplayObject> DisplayObjectContainer::getChildByName(const QString& name) const
{
  const auto found = std::find_if(children_.begin(), children_.end(),
                                  [&name](const auto& child) { return child->name() == name; });
  return found != children_.end() ? *found : nullptr;
}

int DisplayObjectContainer::getChildIndex(const DisplayObject* child) const
{
  const int index = indexOf(child);
  if (index < 0) {
    throw ArgumentError("getChildIndex: the object is not a child of this container");
  }
  return index;
}

void DisplayObjectContainer::setChildIndex(DisplayObject* child, int index)
{
  const int from = getChildIndex(child);
  checkIndex(index, numChildren() - 1);
  if (from == index) {
    return;
  }
  std::shared_ptr<DisplayObject> moving = children_[static_cast<size_t>(from)];
  children_.erase(children_.begin() + from);
  children_.insert(children_.begin() + index, moving);
  moving->invalidate();
}

bool DisplayObjectContainer::contains(const DisplayObject* object) const
{
  for (const DisplayObject* node = object; node != nullptr; node = node->parent()) {
    if (node == this) {
      return true;
    }
  }
  return false;
}

QRectF DisplayObjectContainer::localBounds() const
{
  QRectF result = contentBounds();
  for (const auto& child : children_) {
    const QRectF childBounds = child->localBounds();
    if (!childBounds.isNull()) {
      result |= child->transform().mapRect(childBounds);
    }
  }
  return result;
}

bool DisplayObjectContainer::hitsShape(QPointF local) const
{
  if (hitsContent(local)) {
    return true;
  }
  return std::any_of(children_.begin(), children_.end(), [local](const auto& child) {
    return child->visible() && child->hitsShape(child->transform().inverted().map(local));
  });
}

void DisplayObjectContainer::paintChildren(QPainter& painter) const
{
  for (const auto& child : children_) {
    child->render(painter);
  }
}

int DisplayObjectContainer::indexOf(const DisplayObject* child) const
{
  const auto found =
      std::find_if(children_.begin(), children_.end(), [child](const auto& entry) { return entry.get() == child; });
  return found != children_.end() ? static_cast<int>(found - children_.begin()) : -1;
}

void DisplayObjectContainer::checkIndex(int index, int limit) const
{
  if (index < 0 || index > limit) {
    throw RangeError(QStringLiteral("child index %1 is outside 0 … %2").arg(index).arg(limit).toStdString());
  }
}

}  // namespace flash::display
