#pragma once
// How a resizing pane paints its frame from one picture: the centre is a
// flat colour, the four corners are copied, and each edge is one line of the
// picture repeated (never stretched) between the corners. A client area
// narrower or lower than two corners gets overlapping corners and no edge.

#include "common/scale/pixel_rect.h"

#include <vector>

struct FrameMetrics {
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    int cornerSize = 0;
};

// Copies source into dest. A one-pixel-wide (or high) source is repeated
// across a wider (or higher) dest.
struct FrameCopy {
    PixelRect source;
    PixelRect dest;
    bool operator==(const FrameCopy&) const = default;
};

struct FramePlan {
    PixelRect centre;  // filled with the flat colour; may be empty
    std::vector<FrameCopy> copies;  // in painting order: corners, then edges
};

FramePlan PlanFrame(int clientWidth, int clientHeight, const FrameMetrics& frame);
