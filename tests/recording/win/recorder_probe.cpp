// Drives the running player's recordings window for the recorder test
// script: presses buttons as their clicks would, reads and selects rows of
// the recordings list, and answers the window's message boxes. One command
// a run; prints its answer, one line per item.
//
//   recorder_probe click-main ID     press button ID of the main window
//   recorder_probe click ID          press button ID of the recordings window
//   recorder_probe click-timed ID    the same, printing when the press was sent
//                                    (Unix time, seconds to the microsecond)
//   recorder_probe visible           1 when the recordings window shows, else 0
//   recorder_probe place             the recordings window's screen rectangle,
//                                    "LEFT TOP RIGHT BOTTOM"
//   recorder_probe place-main        the same for the main window
//   recorder_probe owned-shows ID    1 when a window of the recordings window's
//                                    own shows, holding control ID, else 0
//   recorder_probe rows              the list's rows: "DATE|NAME|SIZE"
//   recorder_probe select ROW        make ROW the only selected row and the mark
//   recorder_probe chosen            the names of the selected rows, then
//                                    "focus NAME" and "mark NAME"
//   recorder_probe set-text ID TEXT  give control ID of the recordings window TEXT
//   recorder_probe text ID           the text of control ID of the recordings window
//   recorder_probe choose ID ENTRY   pick ENTRY of combo box ID of the recordings
//                                    window, as a user's choice does
//   recorder_probe answer-box        wait for a message box of the player, print
//                                    its text and press its OK button

#include "tests/support/player_window_probe.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kRecordingsList = 1052;
constexpr DWORD kLimitMs = 20000;

// The recordings window: owned by the main window, with the recordings list.
HWND Recorder() { return OwnedWindowWith(kRecordingsList); }

// The names (column 1) of the selected rows, one a line, then the names of
// the focused row and of the selection mark.
int PrintChosen(HWND list) {
    RemoteBuffer remote(list, CellBufferSize());
    if (!remote.Ok()) return 1;
    const auto name = [&](LPARAM row) {
        return row < 0 ? std::wstring() : ListCellText(list, remote, static_cast<int>(row), 1);
    };
    for (LRESULT row = SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED); row >= 0;
         row = SendMessageW(list, LVM_GETNEXTITEM, row, LVNI_SELECTED))
        std::wprintf(L"%ls\n", name(row).c_str());
    std::wprintf(L"focus %ls\n", name(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED)).c_str());
    std::wprintf(L"mark %ls\n", name(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)).c_str());
    return 0;
}

void PrintNow() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    constexpr ULONGLONG kUnixEpochIn100ns = 116444736000000000ull;
    const ULONGLONG ticks = (ULONGLONG(now.dwHighDateTime) << 32 | now.dwLowDateTime) - kUnixEpochIn100ns;
    std::wprintf(L"%llu.%06llu\n", ticks / 10000000, ticks % 10000000 / 10);
}

int PrintPlace(HWND window) {
    RECT place{};
    if (!GetWindowRect(window, &place)) return 1;
    std::wprintf(L"%ld %ld %ld %ld\n", place.left, place.top, place.right, place.bottom);
    return 0;
}

// A window that the recordings window owns (not a child), shown, with control ID.
bool OwnedWindowShows(HWND recorder, int id) {
    struct Owned {
        HWND owner;
        int id;
        bool shows = false;
    } owned{recorder, id};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& owned = *reinterpret_cast<Owned*>(data);
            if (GetWindow(window, GW_OWNER) != owned.owner || !IsWindowVisible(window) ||
                !GetDlgItem(window, owned.id))
                return TRUE;
            owned.shows = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&owned));
    return owned.shows;
}

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
    if (command == L"place-main") return PrintPlace(Player());
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
    if (command == L"click-timed" && argc == 3) {
        Press(recorder, _wtoi(argv[2]));
        PrintNow();
        return 0;
    }
    if (command == L"rows") return PrintListRows(GetDlgItem(recorder, kRecordingsList), 3) ? 0 : 1;
    if (command == L"chosen") return PrintChosen(GetDlgItem(recorder, kRecordingsList));
    if (command == L"select" && argc == 3)
        return SelectListRow(GetDlgItem(recorder, kRecordingsList), _wtoi(argv[2])) ? 0 : 1;
    if (command == L"place") return PrintPlace(recorder);
    if (command == L"owned-shows" && argc == 3) {
        std::wprintf(L"%d\n", OwnedWindowShows(recorder, _wtoi(argv[2])) ? 1 : 0);
        return 0;
    }
    if (command == L"set-text" && argc == 4) {
        SetDlgItemTextW(recorder, _wtoi(argv[2]), argv[3]);
        return 0;
    }
    if (command == L"choose" && argc == 4) {
        const int id = _wtoi(argv[2]);
        SendDlgItemMessageW(recorder, id, CB_SETCURSEL, _wtoi(argv[3]), 0);
        PostMessageW(recorder, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(recorder, id)));
        return 0;
    }
    if (command == L"text" && argc == 3) {
        std::wprintf(L"%ls\n", ControlText(recorder, _wtoi(argv[2])).c_str());
        return 0;
    }
    return 2;
}
