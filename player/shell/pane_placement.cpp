#include "shell/pane_placement.h"

namespace {

constexpr int kStationBrowserSkinHeight = 316;

PixelRect At(int left, int top, PaneSize size) {
    return {left, top, left + size.width, top + size.height};
}

PixelRect Below(const PixelRect& above, PaneSize size, int gap) {
    return At(above.left, above.bottom + gap, size);
}

PixelRect LeftOf(const PixelRect& window, PaneSize size, int gap) {
    return At(window.left - gap - size.width, window.top, size);
}

}  // namespace

int StationBrowserHeight(int frameHeight) { return kStationBrowserSkinHeight + 2 * frameHeight; }

PixelRect PlacePane(PaneKind pane, PaneSize size, const PaneSurroundings& around) {
    const PixelRect& main = around.mainWindow;
    switch (pane) {
    case PaneKind::StationBrowser: return At(main.right - size.width, main.bottom, size);
    case PaneKind::Favorites: return Below(around.stationBrowser.value_or(main), size, around.gap);
    case PaneKind::Info:
    case PaneKind::Search: return Below(main, size, around.gap);
    case PaneKind::Recorder: return LeftOf(main, size, around.gap);
    case PaneKind::Scheduler:
        return around.recorder ? Below(*around.recorder, size, around.gap)
                               : LeftOf(main, size, around.gap);
    }
    return {};
}
