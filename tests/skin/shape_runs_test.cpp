// Skinned windows are cut to the runs of non-key pixels of their picture.

#include "skin/shape_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kInk = 0x102030;

// One string per row: 'k' a key pixel, anything else part of the picture.
PixelGrid Picture(const std::vector<std::string>& rows) {
    PixelGrid grid{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const auto& row : rows) {
        for (char pixel : row) grid.pixels.push_back(pixel == 'k' ? kKey : kInk);
    }
    return grid;
}

TEST(ShapeRuns, AKeyedRowAddsNothingAndARowWithoutKeyAddsOneFullRun) {
    const auto runs = ShapeRuns(Picture({"kkkkk", "xxxxx"}), 5, 2, kKey);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], (PixelRect{0, 1, 5, 2}));
}

TEST(ShapeRuns, KeyPixelsSplitARowIntoRunsThatExcludeThem) {
    const auto runs = ShapeRuns(Picture({"kxxkkxk", "xkkkkkx"}), 7, 2, kKey);
    const std::vector<PixelRect> expected{
        {1, 0, 3, 1}, {5, 0, 6, 1}, {0, 1, 1, 2}, {6, 1, 7, 2}};
    EXPECT_EQ(runs, expected);
}

TEST(ShapeRuns, OnlyTheClientAreaIsScanned) {
    const auto picture = Picture({"xxxxxx", "xxkxxx", "xxxxxx"});
    const std::vector<PixelRect> expected{{0, 0, 4, 1}, {0, 1, 2, 2}, {3, 1, 4, 2}};
    EXPECT_EQ(ShapeRuns(picture, 4, 2, kKey), expected);
}

TEST(ShapeRuns, AClientLargerThanThePictureGetsNoMoreThanThePicture) {
    const std::vector<PixelRect> expected{{0, 0, 2, 1}};
    EXPECT_EQ(ShapeRuns(Picture({"xx"}), 10, 10, kKey), expected);
}

TEST(ShapeRuns, OnlyTheExactKeyColourIsLeftOut) {
    PixelGrid grid{2, 1, {kKey, kKey - 1}};
    const std::vector<PixelRect> expected{{1, 0, 2, 1}};
    EXPECT_EQ(ShapeRuns(grid, 2, 1, kKey), expected);
}

}  // namespace
