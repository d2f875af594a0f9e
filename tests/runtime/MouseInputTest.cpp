#include "runtime/display/SimpleButton.h"
#include "runtime/events/MouseEvent.h"
#include "runtime/text/TextField.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

using namespace flash::display;
using flash::events::Event;
using flash::events::EventPhase;
using flash::events::MouseEvent;
using runtime_test::Box;

namespace {

QString NameOf(const InteractiveObject* object)
{
  return object == nullptr ? QStringLiteral("none") : object->name();
}

class RuntimeHitTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    stage->setName("stage");
    bottom = stage->addChild(Box("bottom", 0, 0, 100, 100));
    top = stage->addChild(Box("top", 50, 0, 100, 100));
  }
  QString TargetAt(double x, double y) { return NameOf(stage->mouseInput().targetAt(QPointF(x, y))); }

  std::shared_ptr<Stage> stage = runtime_test::MakeStage();
  std::shared_ptr<Sprite> bottom;
  std::shared_ptr<Sprite> top;
};

}  // namespace

TEST_F(RuntimeHitTest, TheTopmostObjectUnderThePointerIsTheTarget)
{
  EXPECT_EQ(TargetAt(60, 10), "top");
  EXPECT_EQ(TargetAt(10, 10), "bottom");
  EXPECT_EQ(TargetAt(190, 90), "stage");
}

TEST_F(RuntimeHitTest, InvisibleAndMouseDisabledObjectsLetThePointerThrough)
{
  top->setVisible(false);
  EXPECT_EQ(TargetAt(60, 10), "bottom");
  top->setVisible(true);
  top->setMouseEnabled(false);
  EXPECT_EQ(TargetAt(60, 10), "bottom");
  bottom->setMouseEnabled(false);
  EXPECT_EQ(TargetAt(60, 10), "stage");
}

TEST_F(RuntimeHitTest, ShapesMakeTheirContainerTheTargetUnlessChildrenAreOff)
{
  auto shape = std::make_shared<Shape>();
  shape->graphics().beginFill(0);
  shape->graphics().drawRect(0, 0, 10, 10);
  auto holder = std::make_shared<Sprite>();
  holder->setName("holder");
  holder->setX(160);
  holder->addChild(shape);
  auto inner = holder->addChild(Box("inner", 20, 0, 10, 10));
  stage->addChild(holder);

  EXPECT_EQ(TargetAt(165, 5), "holder");
  EXPECT_EQ(TargetAt(185, 5), "inner");
  holder->setMouseChildren(false);
  EXPECT_EQ(TargetAt(185, 5), "holder");
  holder->setMouseChildren(true);
  auto field = std::make_shared<flash::text::TextField>();
  field->setName("field");
  field->setX(160);
  field->setY(40);
  stage->addChild(field);
  EXPECT_EQ(TargetAt(170, 50), "field");
  field->setMouseEnabled(false);
  EXPECT_EQ(TargetAt(170, 50), "stage");
}

TEST_F(RuntimeHitTest, AButtonTakesThePointerWhereItsHitStateIsDrawn)
{
  auto hitArea = Box("hit", 0, 0, 10, 10);
  auto button = std::make_shared<SimpleButton>(Box("up", 0, 0, 40, 40), Box("over", 0, 0, 40, 40),
                                               Box("down", 0, 0, 40, 40), hitArea);
  button->setName("button");
  button->setX(150);
  button->setY(50);
  stage->addChild(button);

  EXPECT_EQ(TargetAt(155, 55), "button");
  EXPECT_EQ(TargetAt(175, 75), "stage");  // drawn by the up picture, but outside the hit picture
  EXPECT_EQ(button->currentState()->name(), "up");

  stage->mouseInput().move(QPointF(155, 55));
  EXPECT_EQ(button->currentState()->name(), "over");
  EXPECT_TRUE(stage->mouseInput().showsHandCursor());
  stage->mouseInput().press(QPointF(155, 55));
  EXPECT_EQ(button->currentState()->name(), "down");
  stage->mouseInput().release(QPointF(155, 55));
  EXPECT_EQ(button->currentState()->name(), "over");
  stage->mouseInput().move(QPointF(190, 95));
  EXPECT_EQ(button->currentState()->name(), "up");
  EXPECT_FALSE(stage->mouseInput().showsHandCursor());
}

namespace {

const char* PhaseName(EventPhase phase)
{
  switch (phase) {
    case EventPhase::Capturing:
      return "capture";
    case EventPhase::AtTarget:
      return "target";
    case EventPhase::Bubbling:
      return "bubble";
    case EventPhase::None:
      break;
  }
  return "none";
}

class RuntimeMouseEventFlow : public ::testing::Test {
 protected:
  void SetUp() override
  {
    stage->setName("stage");
    panel = stage->addChild(Box("panel", 10, 10, 100, 50));
    button = panel->addChild(Box("button", 10, 10, 20, 20));
  }
  // Records "<listener's object>:<phase>:<target>" for every event of `type` reaching `object`.
  void Record(DisplayObject& object, const QString& type, bool capture)
  {
    DisplayObject* raw = &object;
    object.addEventListener(
        type,
        [this, raw](Event& event) {
          log << QStringLiteral("%1:%2:%3")
                     .arg(raw->name(), PhaseName(event.eventPhase()),
                          static_cast<DisplayObject*>(event.target())->name());
        },
        capture);
  }

  std::shared_ptr<Stage> stage = runtime_test::MakeStage();
  std::shared_ptr<Sprite> panel;
  std::shared_ptr<Sprite> button;
  QStringList log;
};

}  // namespace

TEST_F(RuntimeMouseEventFlow, AClickGoesThroughCaptureTargetAndBubble)
{
  for (DisplayObject* object : {static_cast<DisplayObject*>(stage.get()), static_cast<DisplayObject*>(panel.get()),
                                static_cast<DisplayObject*>(button.get())}) {
    Record(*object, MouseEvent::CLICK, true);
    Record(*object, MouseEvent::CLICK, false);
  }
  stage->mouseInput().press(QPointF(25, 25));
  stage->mouseInput().release(QPointF(25, 25));
  EXPECT_EQ(log, (QStringList{"stage:capture:button", "panel:capture:button", "button:target:button",
                              "panel:bubble:button", "stage:bubble:button"}));
}

TEST_F(RuntimeMouseEventFlow, OneHandlerOnChildAndContainerRunsTwicePerClick)
{
  QStringList seen;
  auto handler = [&seen](Event& event) {
    seen << static_cast<DisplayObject*>(event.currentTarget())->name() + "/" +
                static_cast<DisplayObject*>(event.target())->name();
  };
  button->addEventListener(MouseEvent::CLICK, handler);
  panel->addEventListener(MouseEvent::CLICK, handler);

  stage->mouseInput().press(QPointF(25, 25));
  stage->mouseInput().release(QPointF(25, 25));
  stage->mouseInput().press(QPointF(80, 40));
  stage->mouseInput().release(QPointF(80, 40));
  EXPECT_EQ(seen, (QStringList{"button/button", "panel/button", "panel/panel"}));
}

TEST_F(RuntimeMouseEventFlow, StopPropagationAndListenersChangedDuringDispatch)
{
  Record(*stage, MouseEvent::MOUSE_DOWN, false);
  panel->addEventListener(MouseEvent::MOUSE_DOWN, [this](Event& event) {
    log << "panel stops";
    event.stopPropagation();
    // Added while the event is at this node: runs from the next event on.
    panel->addEventListener(MouseEvent::MOUSE_DOWN, [this](Event&) { log << "added later"; });
  });
  Record(*panel, MouseEvent::MOUSE_DOWN, false);  // same node: still runs after stopPropagation

  stage->mouseInput().press(QPointF(25, 25));
  EXPECT_EQ(log, (QStringList{"panel stops", "panel:bubble:button"}));
  log.clear();
  stage->mouseInput().release(QPointF(25, 25));
  stage->mouseInput().press(QPointF(25, 25));
  EXPECT_EQ(log, (QStringList{"panel stops", "panel:bubble:button", "added later"}));
}

TEST_F(RuntimeMouseEventFlow, ClickNeedsPressAndReleaseOnTheSameTarget)
{
  Record(*stage, MouseEvent::CLICK, false);
  Record(*stage, MouseEvent::MOUSE_UP, false);
  stage->mouseInput().press(QPointF(25, 25));
  stage->mouseInput().release(QPointF(80, 40));
  EXPECT_EQ(log, QStringList{"stage:bubble:panel"});
}

TEST_F(RuntimeMouseEventFlow, RollOverAndRollOutFollowThePointerThroughTheTree)
{
  for (DisplayObject* object : {static_cast<DisplayObject*>(panel.get()), static_cast<DisplayObject*>(button.get())}) {
    for (const QString& type : {MouseEvent::ROLL_OVER, MouseEvent::ROLL_OUT}) {
      object->addEventListener(type, [this, object](Event& event) { log << object->name() + " " + event.type(); });
    }
  }
  stage->mouseInput().move(QPointF(80, 40));  // onto the panel
  stage->mouseInput().move(QPointF(25, 25));  // onto the button inside it
  stage->mouseInput().move(QPointF(26, 26));  // within the button
  stage->mouseInput().move(QPointF(80, 40));  // back to the panel
  stage->mouseInput().move(QPointF(190, 90));  // off everything
  EXPECT_EQ(log, (QStringList{"panel rollOver", "button rollOver", "button rollOut", "panel rollOut"}));
}

TEST_F(RuntimeMouseEventFlow, DragKeepsTheGrabOffsetAndStaysInsideItsBounds)
{
  // The button sits at (10, 10) in the panel; it may move along x from 0 to 60, y fixed at 10.
  stage->mouseInput().press(QPointF(25, 25));  // 5 px right and below the button's origin
  button->startDrag(false, QRectF(0, 10, 60, 0));
  stage->mouseInput().move(QPointF(45, 70));
  EXPECT_EQ(QPointF(button->x(), button->y()), QPointF(30, 10));
  stage->mouseInput().move(QPointF(300, 25));
  EXPECT_EQ(QPointF(button->x(), button->y()), QPointF(60, 10));
  stage->mouseInput().move(QPointF(-50, 25));
  EXPECT_EQ(QPointF(button->x(), button->y()), QPointF(0, 10));
  button->stopDrag();
  stage->mouseInput().move(QPointF(60, 25));
  EXPECT_EQ(QPointF(button->x(), button->y()), QPointF(0, 10));
}

TEST_F(RuntimeMouseEventFlow, HandCursorFollowsButtonMode)
{
  stage->mouseInput().move(QPointF(25, 25));
  EXPECT_FALSE(stage->mouseInput().showsHandCursor());
  panel->setButtonMode(true);
  EXPECT_TRUE(stage->mouseInput().showsHandCursor());
  panel->setUseHandCursor(false);
  EXPECT_FALSE(stage->mouseInput().showsHandCursor());
}
