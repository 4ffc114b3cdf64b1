#include "browser/station_browser_layout.h"

StationBrowserLayout LayoutStationBrowser(int clientWidth) {
    return {
        .close = RectAt(clientWidth - 20, 3, 12, 11),
        .categories = RectAt(5, 20, clientWidth - 14, 55),
        .stations = RectAt(5, 81, clientWidth - 14, 150),
        .nameColumnWidth = clientWidth - 60,
    };
}
