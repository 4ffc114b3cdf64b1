#pragma once
// The player's private window messages. Their numbers are fixed: workers,
// panes and the main window agree on them.

// To the main window.
inline constexpr unsigned WM_DIRECTORY_READY = 0x637;       // wParam: success
inline constexpr unsigned WM_NOWPLAYING_READY = 0x638;      // wParam: success
inline constexpr unsigned WM_BROWSER_PANE_MOVED = 0x639;    // wParam: 1 shown, 0 hidden
inline constexpr unsigned WM_RECORDER_PANE_MOVED = 0x63A;   // wParam: 1 shown, 0 hidden
inline constexpr unsigned WM_CERTIFICATE_CHECKED = 0x63B;   // wParam: 1 good; lParam: check
inline constexpr unsigned WM_SCHEDULED_RECORDING = 0x69C;   // wParam: item; lParam: 0 start, 1 stop
inline constexpr unsigned WM_OPEN_STATION_BROWSER = 0x8DB;
inline constexpr unsigned WM_RUN_LINK = 0xBBD;
inline constexpr unsigned WM_TRAY_NOTIFY = 0xD02;           // lParam: mouse message

// To the recorder.
inline constexpr unsigned WM_RECORDINGS_CHANGED = 0x7D5;
inline constexpr unsigned WM_RENAME_DONE = 0x417;
