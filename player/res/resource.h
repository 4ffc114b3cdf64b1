#pragma once
// Resource identifiers of the player.

#define IDD_ORVANE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_PLAYER 152
#define IDR_TRAY_MENU 377

// Controls of the main window.
#define IDC_SWITCH_OFF 1000
#define IDC_HIDE 1001
#define IDC_COMPACT 1002
#define IDC_BANNER 1005
#define IDC_STOP 1006
#define IDC_PLAY 1007
#define IDC_MUTE 1008
#define IDC_VOLUME 1010
#define IDC_MEDIA_PLAYER 1011
#define IDC_STATUS 1012
#define IDC_GO 1019
#define IDC_PLAY_ON_START 1020
#define IDC_SEARCH 1084
#define IDC_LINKS 1103
#define IDC_LINKS_SPIN 1104
#define IDC_RECORDER 1203
#define IDC_STATION 1204
#define IDC_FAVORITES 1206
#define IDC_SCHEDULER 1208

// Tray menu items.
#define ID_TRAY_OPEN 32771
#define ID_TRAY_CLOSE 32772

// Strings.
#define IDS_BANNER_TIP 1005
