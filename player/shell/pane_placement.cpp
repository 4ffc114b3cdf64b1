#include "shell/pane_placement.h"

namespace {

constexpr int kStationBrowserSkinHeight = 316;

PixelRect At(int left, int top, PaneSize size) {
    return {left, top, left + size.width, top + size.height};
}

PixelRect Below(const PixelRect& above, PaneSize size) {
    return At(above.left, above.bottom + kPaneGap, size);
}

PixelRect LeftOf(const PixelRect& window, PaneSize size) {
    return At(window.left - kPaneGap - size.width, window.top, size);
}

}  // namespace

int StationBrowserHeight(int frameHeight) { return kStationBrowserSkinHeight + 2 * frameHeight; }

PixelRect PlacePane(PaneKind pane, PaneSize size, const PaneSurroundings& around) {
    const PixelRect& main = around.mainWindow;
    switch (pane) {
    case PaneKind::StationBrowser: return At(main.right - size.width, main.bottom, size);
    case PaneKind::Favorites: return Below(around.stationBrowser.value_or(main), size);
    case PaneKind::Info:
    case PaneKind::Search: return Below(main, size);
    case PaneKind::Recorder: return LeftOf(main, size);
    case PaneKind::Scheduler:
        return around.recorder ? Below(*around.recorder, size) : LeftOf(main, size);
    }
    return {};
}
