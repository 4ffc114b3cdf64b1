#include "skin/shape_region.h"

#include "common/window/device_context.h"
#include "common/window/window.h"
#include "skin/picture_pixels.h"
#include "skin/shape_runs.h"

#include <optional>
#include <vector>

namespace {

// Builds the region from all rectangles at once rather than one union per run.
ScopedRegion RegionFromRuns(const std::vector<PixelRect>& runs) {
    if (runs.empty()) return ScopedRegion(CreateRectRgn(0, 0, 0, 0));
    std::vector<std::byte> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    *header = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()), 0, {}};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < runs.size(); ++i) {
        rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
        // The header names the bounds of its rectangles, as GetRegionData does.
        UnionRect(&header->rcBound, &header->rcBound, &rects[i]);
    }
    return ScopedRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                        reinterpret_cast<RGNDATA*>(data.data())));
}

}  // namespace

ScopedRegion BuildPictureRegion(HBITMAP picture, COLORREF keyColour, int clientWidth,
                                int clientHeight) {
    const auto grid = ReadPixels(picture);
    if (!grid) return ScopedRegion(CreateRectRgn(0, 0, 0, 0));
    return RegionFromRuns(ShapeRuns(*grid, clientWidth, clientHeight, keyColour));
}

ScopedRegion BuildShapeRegion(HWND window, HBITMAP picture, COLORREF keyColour) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    POINT clientOrigin{0, 0};
    ClientToScreen(window, &clientOrigin);
    const RECT client = Window(window).ClientRect();
    const int clientLeft = clientOrigin.x - windowRect.left;
    const int clientTop = clientOrigin.y - windowRect.top;

    ScopedRegion shape(CreateRectRgn(0, 0, windowRect.right - windowRect.left,
                                     windowRect.bottom - windowRect.top));
    ScopedRegion clientArea(CreateRectRgn(clientLeft, clientTop, clientLeft + client.right,
                                          clientTop + client.bottom));
    CombineRgn(shape.Get(), shape.Get(), clientArea.Get(), RGN_XOR);

    ScopedRegion pictureArea = BuildPictureRegion(picture, keyColour, client.right, client.bottom);
    OffsetRgn(pictureArea.Get(), clientLeft, clientTop);
    CombineRgn(shape.Get(), shape.Get(), pictureArea.Get(), RGN_OR);
    return shape;
}
