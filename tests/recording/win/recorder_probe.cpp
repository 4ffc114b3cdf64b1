// Drives the running player's recordings window for the recorder test
// script: presses buttons as their clicks would, reads and selects rows of
// the recordings list, and answers the window's message boxes. One command
// a run; prints its answer, one line per item.
//
//   recorder_probe click-main ID     press button ID of the main window
//   recorder_probe click ID          press button ID of the recordings window
//   recorder_probe visible           1 when the recordings window shows, else 0
//   recorder_probe rows              the list's rows: "DATE|NAME|SIZE"
//   recorder_probe select ROW        make ROW the only selected row and the mark
//   recorder_probe set-text ID TEXT  give control ID of the recordings window TEXT
//   recorder_probe text ID           the text of control ID of the recordings window
//   recorder_probe answer-box        wait for a message box of the player, print
//                                    its text and press its OK button

#include "player_window_probe.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kRecordingsList = 1052;
constexpr DWORD kLimitMs = 20000;

// The recordings window: owned by the main window, with the recordings list.
HWND Recorder() { return OwnedWindowWith(kRecordingsList); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    if (!Player()) return 1;
    if (command == L"click-main" && argc == 3) {
        Press(Player(), _wtoi(argv[2]));
        return 0;
    }
    if (command == L"answer-box") {
        HWND box = WaitForMessageBox(kLimitMs);
        if (!box) return 1;
        std::wprintf(L"%ls\n", ControlText(box, 0xFFFF).c_str());
        return CloseMessageBox(box, IDOK, kLimitMs) ? 0 : 1;
    }
    HWND recorder = Recorder();
    if (command == L"visible") {
        std::wprintf(L"%d\n", recorder && IsWindowVisible(recorder) ? 1 : 0);
        return 0;
    }
    if (!recorder) return 1;
    if (command == L"click" && argc == 3) {
        Press(recorder, _wtoi(argv[2]));
        return 0;
    }
    if (command == L"rows") return PrintListRows(GetDlgItem(recorder, kRecordingsList), 3) ? 0 : 1;
    if (command == L"select" && argc == 3)
        return SelectListRow(GetDlgItem(recorder, kRecordingsList), _wtoi(argv[2])) ? 0 : 1;
    if (command == L"set-text" && argc == 4) {
        SetDlgItemTextW(recorder, _wtoi(argv[2]), argv[3]);
        return 0;
    }
    if (command == L"text" && argc == 3) {
        std::wprintf(L"%ls\n", ControlText(recorder, _wtoi(argv[2])).c_str());
        return 0;
    }
    return 2;
}
