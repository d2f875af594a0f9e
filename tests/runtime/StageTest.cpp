#include "runtime/display/Stage.h"
#include "runtime/events/FullScreenEvent.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <gtest/gtest.h>

using namespace flash::display;
using flash::events::Event;

TEST(RuntimeStage, WithoutScalingTheStageIsAsLargeAsTheViewAndSaysWhenItResizes)
{
  auto stage = runtime_test::MakeStage(408, 380);
  int resizes = 0;
  stage->addEventListener(Event::RESIZE, [&resizes](Event&) { ++resizes; });
  stage->setViewSize(QSize(640, 480));
  EXPECT_EQ(stage->stageSize(), QSize(408, 380));  // scaled to the view instead
  EXPECT_EQ(resizes, 0);

  stage->setScaleMode(StageScaleMode::NO_SCALE);
  stage->setAlign(StageAlign::TOP_LEFT);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(stage->stageSize(), QSize(640, 480));
  stage->setViewSize(QSize(800, 600));
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(stage->stageWidth(), 800);
  EXPECT_EQ(stage->viewTransform(), QTransform());
}

namespace {

struct ScaleCase {
  const char* scaleMode;
  const char* align;
  QTransform expected;  // stage → view for a 200 × 100 movie in a 400 × 400 view
};

void PrintTo(const ScaleCase& c, std::ostream* out)
{
  *out << c.scaleMode << '/' << c.align;
}

class RuntimeStageScaling : public ::testing::TestWithParam<ScaleCase> {};

}  // namespace

TEST_P(RuntimeStageScaling, PlacesTheMovieInTheView)
{
  auto stage = runtime_test::MakeStage(200, 100);
  stage->setScaleMode(QString::fromLatin1(GetParam().scaleMode));
  stage->setAlign(QString::fromLatin1(GetParam().align));
  stage->setViewSize(QSize(400, 400));
  EXPECT_EQ(stage->viewTransform(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RuntimeStageScaling,
                         ::testing::Values(ScaleCase{"showAll", "", QTransform(2, 0, 0, 2, 0, 100)},
                                           ScaleCase{"showAll", "T", QTransform(2, 0, 0, 2, 0, 0)},
                                           ScaleCase{"exactFit", "", QTransform(2, 0, 0, 4, 0, 0)},
                                           ScaleCase{"noBorder", "", QTransform(4, 0, 0, 4, -200, 0)},
                                           ScaleCase{"noScale", "", QTransform(1, 0, 0, 1, 100, 150)},
                                           ScaleCase{"noScale", "BR", QTransform(1, 0, 0, 1, 200, 300)}));

TEST(RuntimeStage, DisplayStateChangesOnlyWhenTheHostAgrees)
{
  auto stage = runtime_test::MakeStage();
  QStringList events;
  stage->addEventListener(flash::events::FullScreenEvent::FULL_SCREEN, [&events](Event& e) { events << e.type(); });
  stage->addEventListener(Event::RESIZE, [&events](Event& e) { events << e.type(); });
  stage->setDisplayState(StageDisplayState::FULL_SCREEN);  // no host at all
  EXPECT_EQ(stage->displayState(), StageDisplayState::NORMAL);

  bool allow = false;
  stage->setDisplayStateHandler([&](bool fullScreen) {
    if (allow) {
      stage->displayStateChanged(fullScreen);
    }
    return allow;
  });
  stage->setDisplayState(StageDisplayState::FULL_SCREEN);
  EXPECT_EQ(stage->displayState(), StageDisplayState::NORMAL);
  allow = true;
  stage->setDisplayState(StageDisplayState::FULL_SCREEN);
  EXPECT_EQ(stage->displayState(), StageDisplayState::FULL_SCREEN);
  EXPECT_EQ(events, (QStringList{"fullScreen", "resize"}));
}
