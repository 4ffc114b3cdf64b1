// The ticker line's path through the scroll area, and the speed slider.

#include "ticker/scroll_geometry.h"
#include "ticker/ticker_speed.h"

#include <gtest/gtest.h>

namespace {

constexpr ScrollBounds kBounds{100, 400};

TEST(ScrollGeometry, ANarrowTextEntersCrossesAndIsEatenAtTheLeftBound) {
    constexpr std::int32_t kWidth = 50;
    ScrollGeometry scroll;
    scroll.Restart(kBounds);

    auto step = scroll.Step(kBounds, kWidth);
    EXPECT_EQ(step.x, 399);
    EXPECT_EQ(step.sourceX, 0);
    // Only the one column inside the area is copied.
    EXPECT_EQ(step.width, 1);
    EXPECT_FALSE(step.clearFrom);

    for (int i = 0; i < 49; ++i) step = scroll.Step(kBounds, kWidth);
    // The whole text is inside; its tail leaves a column to clear behind it.
    EXPECT_EQ(step.x, 350);
    EXPECT_EQ(step.width, kWidth);
    EXPECT_EQ(step.clearFrom, 400);

    // On to the left bound: x stops there and, from the step that reaches
    // it, the source offset grows.
    for (int i = 0; i < 249; ++i) step = scroll.Step(kBounds, kWidth);
    EXPECT_EQ(step.x, 101);
    EXPECT_EQ(scroll.SourceOffset(), 0);
    step = scroll.Step(kBounds, kWidth);
    EXPECT_EQ(step.x, 100);
    EXPECT_EQ(step.sourceX, 1);
    EXPECT_EQ(step.width, kWidth - 1);
    EXPECT_EQ(step.clearFrom, 149);

    // The pass ends only when the last column has gone.
    for (int i = 0; i < 48; ++i) {
        step = scroll.Step(kBounds, kWidth);
        ASSERT_FALSE(step.passEnded);
    }
    EXPECT_EQ(step.width, 1);
    step = scroll.Step(kBounds, kWidth);
    EXPECT_TRUE(step.passEnded);
    EXPECT_EQ(step.width, 0);
    EXPECT_EQ(step.clearFrom, 100);
    EXPECT_EQ(scroll.X(), 400);
    EXPECT_EQ(scroll.SourceOffset(), 0);
}

TEST(ScrollGeometry, AWideTextIsCutAtTheRightBound) {
    ScrollGeometry scroll;
    scroll.Restart(kBounds);
    ScrollStepPlan step;
    for (int i = 0; i < 399; ++i) step = scroll.Step(kBounds, 1000);
    EXPECT_EQ(step.x, 100);
    EXPECT_EQ(step.sourceX, 100);
    EXPECT_EQ(step.width, 300);
    EXPECT_FALSE(step.clearFrom);
    EXPECT_EQ(scroll.End(), 1000);
}

TEST(TickerSpeed, SliderAndDelayFollowEachOther) {
    EXPECT_EQ(SliderPositionForDelay(kDefaultTickerDelay), 50);
    EXPECT_EQ(SliderPositionForDelay(51), 0);
    EXPECT_EQ(SliderPositionForDelay(1), 100);
    EXPECT_EQ(DelayForSliderPosition(0), 51u);
    EXPECT_EQ(DelayForSliderPosition(50), 26u);
    EXPECT_EQ(DelayForSliderPosition(100), 1u);
    // Odd positions fall between two delays; the fraction is dropped.
    EXPECT_EQ(DelayForSliderPosition(51), 25u);
    EXPECT_EQ(DelayForSliderPosition(99), 1u);
    // A delay stored longer than the slider reaches shows at its slow end.
    EXPECT_EQ(SliderPositionForDelay(5000), 0);
}

}  // namespace
