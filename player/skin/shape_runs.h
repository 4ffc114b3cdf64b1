#pragma once
// The shape of a skin picture: the runs of pixels, row by row, that are not
// the key colour. Skinned windows are cut to these runs and find their drag
// area by them.

#include "common/scale/pixel_rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture's pixels as 0x00BBGGRR values (the platform's colour layout),
// row by row from the top.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// One-pixel-high rectangles of the picture's non-key pixels, in picture
// coordinates, scanning no further than the client area: whatever of the
// picture lies beyond it is not part of the window.
std::vector<PixelRect> ShapeRuns(const PixelGrid& picture, int clientWidth, int clientHeight,
                                 std::uint32_t keyColour);
