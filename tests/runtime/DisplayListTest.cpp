#include "runtime/Errors.h"
#include "runtime/display/Sprite.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

using namespace flash::display;
using flash::events::Event;
using runtime_test::Box;
using runtime_test::Names;

TEST(RuntimeDisplayList, ChildrenAreAddedRemovedAndReordered)
{
  auto parent = std::make_shared<Sprite>();
  auto a = parent->addChild(Box("a", 0, 0, 10, 10));
  auto b = parent->addChild(Box("b", 0, 0, 10, 10));
  parent->addChildAt(Box("c", 0, 0, 10, 10), 1);
  EXPECT_EQ(Names(*parent), (QStringList{"a", "c", "b"}));
  EXPECT_EQ(parent->numChildren(), 3);
  EXPECT_EQ(a->parent(), parent.get());

  parent->setChildIndex(a.get(), 2);
  EXPECT_EQ(Names(*parent), (QStringList{"c", "b", "a"}));
  EXPECT_EQ(parent->getChildIndex(b.get()), 1);

  parent->addChild(b);  // a child added again moves to the top
  EXPECT_EQ(Names(*parent), (QStringList{"c", "a", "b"}));

  EXPECT_EQ(parent->removeChild(a.get()), a);
  EXPECT_EQ(Names(*parent), (QStringList{"c", "b"}));
  EXPECT_EQ(a->parent(), nullptr);
  EXPECT_FALSE(parent->contains(a.get()));
  EXPECT_EQ(parent->removeChildAt(0)->name(), "c");
  EXPECT_EQ(parent->getChildByName("b"), b);
}

TEST(RuntimeDisplayList, AChildMovesFromItsOldParentAndContainsSeesDescendants)
{
  auto first = std::make_shared<Sprite>();
  auto second = std::make_shared<Sprite>();
  auto child = first->addChild(Box("child", 0, 0, 5, 5));
  auto grandChild = child->addChild(Box("grandChild", 0, 0, 1, 1));

  second->addChild(child);
  EXPECT_EQ(first->numChildren(), 0);
  EXPECT_EQ(child->parent(), second.get());
  EXPECT_TRUE(second->contains(grandChild.get()));
  EXPECT_TRUE(second->contains(second.get()));
  EXPECT_FALSE(first->contains(grandChild.get()));
}

TEST(RuntimeDisplayList, WrongChildOperationsThrowAndChangeNothing)
{
  auto parent = std::make_shared<Sprite>();
  auto child = parent->addChild(Box("child", 0, 0, 5, 5));
  auto stranger = Box("stranger", 0, 0, 5, 5);

  EXPECT_THROW(parent->removeChild(stranger.get()), flash::ArgumentError);
  EXPECT_THROW(parent->getChildIndex(stranger.get()), flash::ArgumentError);
  EXPECT_THROW(parent->addChildAt(stranger, 5), flash::RangeError);
  EXPECT_THROW(parent->setChildIndex(child.get(), 1), flash::RangeError);
  EXPECT_THROW(child->addChild(parent), flash::ArgumentError);
  EXPECT_THROW(parent->addChild(parent), flash::ArgumentError);
  EXPECT_EQ(Names(*parent), QStringList{"child"});
  EXPECT_EQ(stranger->parent(), nullptr);
}

TEST(RuntimeDisplayList, StageEventsReachTheWholeSubtree)
{
  auto stage = runtime_test::MakeStage();
  auto holder = Box("holder", 0, 0, 5, 5);
  auto inner = holder->addChild(Box("inner", 0, 0, 1, 1));
  QStringList seen;
  for (const auto& object : {std::static_pointer_cast<DisplayObject>(holder), std::static_pointer_cast<DisplayObject>(inner)}) {
    for (const QString& type : {Event::ADDED_TO_STAGE, Event::REMOVED_FROM_STAGE}) {
      DisplayObject* raw = object.get();
      object->addEventListener(type, [&seen, raw](Event& event) {
        if (event.target() == raw) {
          seen << raw->name() + " " + event.type();
        }
      });
    }
  }
  stage->addChild(holder);
  EXPECT_EQ(inner->stage(), stage.get());
  stage->removeChild(holder.get());
  EXPECT_EQ(inner->stage(), nullptr);
  EXPECT_EQ(seen, (QStringList{"holder addedToStage", "inner addedToStage", "holder removedFromStage",
                               "inner removedFromStage"}));
}

TEST(RuntimeDisplayList, SettingWidthAndHeightScales)
{
  auto parent = std::make_shared<Sprite>();
  auto box = parent->addChild(Box("box", 10, 20, 40, 10));
  box->setWidth(80);
  box->setHeight(5);
  EXPECT_DOUBLE_EQ(box->scaleX(), 2.0);
  EXPECT_DOUBLE_EQ(box->scaleY(), 0.5);
  EXPECT_DOUBLE_EQ(box->width(), 80);
  EXPECT_DOUBLE_EQ(parent->width(), 80);
  EXPECT_EQ(box->getBounds(parent.get()), QRectF(10, 20, 80, 5));
  EXPECT_EQ(box->localToGlobal(QPointF(40, 10)), QPointF(90, 25));
  EXPECT_EQ(box->globalToLocal(QPointF(90, 25)), QPointF(40, 10));
}
