// The display-scale arithmetic: rounding, places, the skin drawing chosen for
// a scale and the pictures shrunk for scales in between.

#include "common/scale/display_scale.h"
#include "skin/dialog_font_height.h"
#include "skin/picture_scaling.h"
#include "skin/slider_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr DisplayScale k100{96}, k125{120}, k150{144}, k175{168}, k200{192};

TEST(DisplayScale, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
    EXPECT_EQ(k100.Scale(215), 215);
    EXPECT_EQ(k150.Scale(215), 323);  // 322.5
    EXPECT_EQ(k125.Scale(14), 18);    // 17.5
    EXPECT_EQ(k175.Scale(13), 23);    // 22.75
    EXPECT_EQ(k175.Scale(14), 25);    // 24.5
    EXPECT_EQ(k150.Scale(-13), -20);  // -19.5
    EXPECT_EQ(DisplayScale{110}.Scale(150), 172);  // 171.875
    EXPECT_EQ(DisplayScale{0}, k100);  // a DPI the system could not tell
}

TEST(DialogFontHeight, GoesBackToTheTemplatesPointsRatherThanScalingPixels) {
    // "MS Shell Dlg" of 8 points, as each DPI's dialog manager makes it.
    EXPECT_EQ(DialogFontHeight(-11, 96, 192), -21);  // not -22
    EXPECT_EQ(DialogFontHeight(-11, 96, 144), -16);
    EXPECT_EQ(DialogFontHeight(-21, 192, 96), -11);
    EXPECT_EQ(DialogFontHeight(-21, 192, 120), -13);  // 13.33
    EXPECT_EQ(DialogFontHeight(-16, 144, 168), -19);  // 18.67
    EXPECT_EQ(DialogFontHeight(-11, 96, 96), -11);
}

TEST(DisplayScale, APlaceScalesItsOriginAndItsSizeAlikeToItsPicture) {
    // The mute button at (47, 189), 20 x 20: its picture is drawn 35 x 35 at 175%.
    EXPECT_EQ(k175.Scale(RectAt(47, 189, 20, 20)), RectAt(82, 331, 35, 35));
    EXPECT_EQ(k125.Scale(RectAt(5, 165, 14, 14)), RectAt(6, 206, 18, 18));
    EXPECT_EQ(k100.Scale(RectAt(72, 189, 72, 20)), RectAt(72, 189, 72, 20));
}

TEST(DisplayScale, TheSkinIsDrawnForTheScaleOrShrunkFromTheNextLarger) {
    EXPECT_EQ(ChooseSkinPercent(k100), 100);
    EXPECT_EQ(ChooseSkinPercent(DisplayScale{72}), 100);
    EXPECT_EQ(ChooseSkinPercent(DisplayScale{97}), 150);
    EXPECT_EQ(ChooseSkinPercent(k125), 150);
    EXPECT_EQ(ChooseSkinPercent(k150), 150);
    EXPECT_EQ(ChooseSkinPercent(k175), 200);
    EXPECT_EQ(ChooseSkinPercent(k200), 200);
    EXPECT_EQ(ChooseSkinPercent(DisplayScale{288}), 200);  // 300%: the largest grows
}

// The main window's volume slider, 72 x 20 at 100%, with its 29-pixel thumb.
PixelRect VolumeThumb(const DisplayScale& scale, int position) {
    const PixelRect client{0, 0, scale.Scale(72), scale.Scale(20)};
    return ThumbRect({0, 100, position}, client, scale.Scale(29), scale.Scale(21), false, scale);
}

TEST(SliderAtScale, TheThumbRunsBetweenTheScaledMarginsOfTheTrack) {
    // 125%: client 90, margins 16 and 18, thumb 36 wide.
    EXPECT_EQ(VolumeThumb(k125, 0), (PixelRect{-2, 0, 34, 26}));
    EXPECT_EQ(VolumeThumb(k125, 100).left + 36 / 2, 90 - 18);
    EXPECT_EQ(VolumeThumb(k125, 50).left, 26);  // 0.5 * 56 = 28; 28 - 18 + 16
    // 175%: client 126, margins 23 and 25, thumb 51 wide.
    EXPECT_EQ(VolumeThumb(k175, 0).left, 23 - 25);
    EXPECT_EQ(VolumeThumb(k175, 100).left + 51 / 2, 126 - 25);
    // At 100% nothing moves.
    EXPECT_EQ(VolumeThumb(k100, 50).left, 21);
}

constexpr std::uint32_t kKey = 0x00FF00FF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

TEST(PictureScaling, ShrinkingAveragesTheOpaquePixelsEachNewPixelCovers) {
    // Two columns become one: the new pixel is their mean.
    const PixelGrid picture{2, 1, {kBlue, kWhite}};
    const PixelGrid shrunk = ScalePicture(picture, 1, 1);
    EXPECT_EQ(shrunk.pixels[0], 0x00FF8080u);  // (255, 128, 128) as 0x00BBGGRR
}

TEST(PictureScaling, TheKeyNeverTintsAPictureAndItsOutlineStaysHard) {
    // 200% to 175%: each new pixel covers 8/7 of an old one, across the edge
    // between the key and a white well.
    PixelGrid picture{8, 1, {kKey, kKey, kKey, kKey, kWhite, kWhite, kWhite, kWhite}};
    const PixelGrid shrunk = ScalePicture(picture, 7, 1);
    for (std::uint32_t pixel : shrunk.pixels) EXPECT_TRUE(pixel == kKey || pixel == kWhite) << std::hex << pixel;
    EXPECT_EQ(shrunk.pixels[0], kKey);
    EXPECT_EQ(shrunk.pixels[6], kWhite);
    // The second key colour stays itself.
    const PixelGrid play = ScalePicture(PixelGrid{2, 2, std::vector<std::uint32_t>(4, 0x00FF78FF)}, 1, 1);
    EXPECT_EQ(play.pixels[0], 0x00FF78FFu);
}

TEST(PictureScaling, GrowingAboveTheLargestDrawingKeepsEveryPixelsColour) {
    const PixelGrid picture{2, 1, {kBlue, kWhite}};
    const PixelGrid grown = ScalePicture(picture, 4, 2);
    EXPECT_EQ(grown.pixels, (std::vector<std::uint32_t>{kBlue, kBlue, kWhite, kWhite,
                                                        kBlue, kBlue, kWhite, kWhite}));
}

}  // namespace
