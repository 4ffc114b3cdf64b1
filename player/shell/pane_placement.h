#pragma once
// Where the main window's panes stand around it, in screen pixels: the
// station browser hangs below it, the favourites below that (or below the
// window), the info and search pages below the window, and the recorder and
// scheduler to its left, the scheduler under the recorder while that shows.

#include "host/pane_size.h"
#include "common/scale/pixel_rect.h"

#include <optional>

enum class PaneKind { StationBrowser, Favorites, Info, Search, Recorder, Scheduler };

inline constexpr int kPaneGap = 2;
inline constexpr int kStationBrowserWidth = 150;
// Below this height the main window is the compact bar, which panes do not follow.
inline constexpr int kCompactHeightLimit = 50;

struct PaneSurroundings {
    PixelRect mainWindow;
    std::optional<PixelRect> stationBrowser = std::nullopt;  // while visible
    std::optional<PixelRect> recorder = std::nullopt;        // while visible
    int gap = kPaneGap;  // at the main window's scale
};

// The station browser's own height: its skin's height plus both frame edges.
int StationBrowserHeight(int frameHeight);

PixelRect PlacePane(PaneKind pane, PaneSize size, const PaneSurroundings& around);
