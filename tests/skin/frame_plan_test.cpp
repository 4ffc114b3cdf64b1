// A resizing pane paints its frame from corners and repeated edge lines, and
// keeps its height while its width may grow by a fifth.

#include "skin/frame_plan.h"
#include "skin/resize_limits.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr FrameMetrics kPaneFrame{150, 316, 76};

TEST(FramePlan, AFrameLargerThanTwoCornersRepeatsOneLineAlongEachEdge) {
    const FramePlan plan = PlanFrame(180, 316, kPaneFrame);
    EXPECT_EQ(plan.centre, (PixelRect{76, 76, 104, 240}));
    const std::vector<FrameCopy> expected{
        {{0, 0, 76, 76}, {0, 0, 76, 76}},          // top-left
        {{0, 240, 76, 316}, {0, 240, 76, 316}},    // bottom-left
        {{74, 240, 150, 316}, {104, 240, 180, 316}},  // bottom-right
        {{74, 0, 150, 76}, {104, 0, 180, 76}},     // top-right
        {{76, 0, 77, 76}, {76, 0, 104, 76}},       // top edge: column 76 repeated
        {{76, 240, 77, 316}, {76, 240, 104, 316}},  // bottom edge
        {{0, 76, 76, 77}, {0, 76, 76, 240}},       // left edge: row 76 repeated
        {{74, 76, 150, 77}, {104, 76, 180, 240}},  // right edge
    };
    EXPECT_EQ(plan.copies, expected);
}

TEST(FramePlan, AFrameNarrowerThanTwoCornersOverlapsThemWithoutEdgesOrCentre) {
    const FramePlan plan = PlanFrame(150, 120, kPaneFrame);
    EXPECT_TRUE(plan.centre.IsEmpty());
    ASSERT_EQ(plan.copies.size(), 4u);
    EXPECT_EQ(plan.copies[2].dest, (PixelRect{74, 44, 150, 120}));  // bottom-right overlaps
}

TEST(FramePlan, ATallNarrowFrameGetsOnlyItsSideEdges) {
    const FramePlan plan = PlanFrame(150, 160, kPaneFrame);
    ASSERT_EQ(plan.copies.size(), 6u);
    EXPECT_EQ(plan.copies[4].dest, (PixelRect{0, 76, 76, 84}));
    EXPECT_EQ(plan.copies[5].dest, (PixelRect{74, 76, 150, 84}));
}

TEST(ResizeLimits, TheWidthGrowsByAFifthAndTheHeightIsFixed) {
    const ResizeLimits limits = LimitsForMinimum(150, 316);
    EXPECT_EQ(limits.minimum, (PixelSize{150, 316}));
    EXPECT_EQ(limits.maximum, (PixelSize{180, 316}));
    EXPECT_EQ(LimitsForMinimum(151, 160).maximum, (PixelSize{181, 160}));  // 181.2 cut
}

}  // namespace
