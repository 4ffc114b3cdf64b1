#pragma once
// Resource and control identifiers of Marquel.dll.

#define IDS_PROJNAME 100
#define IDS_CLOSE 101
#define IDS_SPEED 102

#define IDR_TICKERCTRL 101
#define IDD_TICKER 102
#define IDD_SPEED 201

#define IDB_READ_MORE 208
#define IDB_SPEED 209
#define IDB_CLOSE 210
// The same pictures drawn for 150% and 200% display scales.
#define IDB_READ_MORE_150 308
#define IDB_SPEED_150 309
#define IDB_CLOSE_150 310
#define IDB_READ_MORE_200 408
#define IDB_SPEED_200 409
#define IDB_CLOSE_200 410

#define IDC_SPEED_SLIDER 104
#define IDC_CHANNEL 203
#define IDC_CHANNEL_SPIN 204
#define IDC_SPEED_IMAGE 207
#define IDC_TICKER_IMAGE 214

// Commands of the ticker window: its buttons and its context menu.
#define ID_TICKER_CLOSE 105
#define ID_TICKER_SPEED 110
#define ID_TICKER_MENU_SPEED 111
#define ID_TICKER_READ_MORE 113
