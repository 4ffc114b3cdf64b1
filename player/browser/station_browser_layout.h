#pragma once
// Where the station browser puts its controls for a client width: the close
// button in the top-right corner, the categories above the line at y 78 and
// the stations below it, both lists across the pane.

#include "common/scale/pixel_rect.h"

inline constexpr int kBrowserLineY = 78;

struct StationBrowserLayout {
    PixelRect close;
    PixelRect categories;
    PixelRect stations;
    int nameColumnWidth = 0;
};

StationBrowserLayout LayoutStationBrowser(int clientWidth);
