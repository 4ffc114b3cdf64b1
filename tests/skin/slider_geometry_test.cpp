// The skinned slider's thumb position and tip flags.

#include "skin/slider_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr PixelRect kVolumeClient{0, 0, 72, 20};  // the main window's volume slider
constexpr int kThumbWidth = 29;
constexpr int kThumbHeight = 21;

PixelRect Thumb(int position, const PixelRect& client = kVolumeClient, bool vertical = false) {
    return ThumbRect({0, 100, position}, client, kThumbWidth, kThumbHeight, vertical, {});
}

TEST(ThumbRect, AtTheMinimumTheThumbLosesOneColumn) {
    EXPECT_EQ(Thumb(0), (PixelRect{-1, 0, 28, kThumbHeight}));
}

TEST(ThumbRect, AtTheMaximumItsCentreIsFourteenPixelsFromTheEnd) {
    const PixelRect thumb = Thumb(100);
    EXPECT_EQ(thumb.left, 44);
    EXPECT_EQ(thumb.left + kThumbWidth / 2, 72 - 14);
}

TEST(ThumbRect, InTheMiddleThePositionIsTruncatedTowardZero) {
    // 0.5 * 45 = 22.5 -> 22; 22 - 14 + 13 = 21
    EXPECT_EQ(Thumb(50).left, 21);
    // 0.33 * 45 = 14.85 -> 14
    EXPECT_EQ(Thumb(33).left, 13);
}

TEST(ThumbRect, FollowsAClientAreaThatDoesNotStartAtZero) {
    EXPECT_EQ(Thumb(0, {10, 5, 82, 25}), (PixelRect{9, 5, 38, 5 + kThumbHeight}));
}

TEST(ThumbRect, AVerticalSliderMovesTheThumbDown) {
    const PixelRect thumb = Thumb(100, {0, 0, 20, 100}, true);
    // 73 - 10 + 13
    EXPECT_EQ(thumb, (PixelRect{0, 76, kThumbWidth, 76 + kThumbHeight}));
}

TEST(ThumbRect, AnEmptyRangeKeepsTheThumbAtTheStart) {
    EXPECT_EQ(ThumbRect({5, 5, 5}, kVolumeClient, kThumbWidth, kThumbHeight, false, {}).left, -1);
}

TEST(TipFlags, FollowingTheThumbImpliesShowingTheValue) {
    EXPECT_FALSE(DecodeTipFlags(0).showValueTip);
    EXPECT_TRUE(DecodeTipFlags(0x10).showValueTip);
    EXPECT_FALSE(DecodeTipFlags(0x10).tipFollowsThumb);
    EXPECT_TRUE(DecodeTipFlags(0x20).showValueTip);
    EXPECT_TRUE(DecodeTipFlags(0x20).tipFollowsThumb);
    EXPECT_TRUE(DecodeTipFlags(0x30).showValueTip && DecodeTipFlags(0x30).tipFollowsThumb);
    EXPECT_FALSE(DecodeTipFlags(0x01 | 0x40).showValueTip);
}

}  // namespace
