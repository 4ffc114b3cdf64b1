#pragma once
// Templates and controls of the station browser and favourites panes
// (player/res/panes.rc).

#define IDD_STATION_BROWSER 207
#define IDC_BROWSER_CLOSE 1026
#define IDC_BROWSER_CATEGORIES 1132
#define IDC_BROWSER_STATIONS 1133
#define IDC_BROWSER_LINK_FIRST 1111  // ten category labels, 1111-1120
#define IDC_BROWSER_LINK_LAST 1120

#define IDD_FAVORITES 389
#define IDC_FAVORITES_CLOSE 1105
#define IDC_FAVORITES_ADD 1106
#define IDC_FAVORITES_DELETE 1107
#define IDC_FAVORITES_STATUS 1110
#define IDC_FAVORITES_LIST 1231
