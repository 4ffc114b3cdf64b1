#include "skin/shape_runs.h"

#include <algorithm>

std::vector<PixelRect> ShapeRuns(const PixelGrid& picture, int clientWidth, int clientHeight,
                                 std::uint32_t keyColour) {
    const int width = std::min(picture.width, clientWidth);
    const int height = std::min(picture.height, clientHeight);
    std::vector<PixelRect> runs;
    for (int y = 0; y < height; ++y) {
        int runStart = 0;
        for (int x = 0; x < width; ++x) {
            if (picture.At(x, y) != keyColour) continue;
            if (x > runStart) runs.push_back({runStart, y, x, y + 1});
            runStart = x + 1;
        }
        if (runStart < width) runs.push_back({runStart, y, width, y + 1});
    }
    return runs;
}
