#pragma once
// A resizing pane keeps its height and may grow wider by a fifth.

#include <cstdint>

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct ResizeLimits {
    PixelSize minimum;
    PixelSize maximum;
};

// Whole pixels, counted without floating point so that 150 gives exactly 180.
inline ResizeLimits LimitsForMinimum(std::uint16_t minWidth, std::uint16_t minHeight) {
    return {{minWidth, minHeight}, {minWidth * 6 / 5, minHeight}};
}
