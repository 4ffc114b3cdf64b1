// Drives the running player's scheduler pane for the scheduler test script:
// presses its buttons and link as their clicks would, fills in its fields
// and pickers, reads its list, and answers the player's message boxes. One
// command a run; prints its answer, one line per item.
//
//   scheduler_probe click-main ID        press button ID of the main window
//   scheduler_probe click ID             press button ID of the scheduler pane
//   scheduler_probe click-link           click the pane's station link
//   scheduler_probe visible              1 when the pane shows, else 0
//   scheduler_probe rows                 "STATION|START|END|NAME|STATUS" a row
//   scheduler_probe select ROW           make ROW the only selected row
//   scheduler_probe key-delete           let go of the Delete key in the list
//   scheduler_probe set-text ID TEXT     give control ID of the pane TEXT
//   scheduler_probe text ID              the text of control ID of the pane
//   scheduler_probe format INDEX         choose entry INDEX of the format combo
//   scheduler_probe set-time ID Y M D H MIN  set picker ID to that time
//   scheduler_probe answer-box [cancel]  wait for a message box of the player,
//                                        print "CAPTION|TEXT", press OK (or Cancel)

#include "tests/support/player_window_probe.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kQueueList = 1121;
constexpr int kStationLink = 1114;
constexpr int kFormatCombo = 1116;
constexpr int kColumns = 5;
constexpr DWORD kLimitMs = 20000;

HWND Scheduler() { return OwnedWindowWith(kQueueList); }

int SetTime(HWND picker, wchar_t** fields) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(_wtoi(fields[0]));
    time.wMonth = static_cast<WORD>(_wtoi(fields[1]));
    time.wDay = static_cast<WORD>(_wtoi(fields[2]));
    time.wHour = static_cast<WORD>(_wtoi(fields[3]));
    time.wMinute = static_cast<WORD>(_wtoi(fields[4]));
    RemoteBuffer remote(picker, sizeof(time));
    if (!remote.Ok() || !remote.Put(0, &time, sizeof(time))) return 1;
    return SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, remote.Param()) ? 0 : 1;
}

int AnswerBox(bool cancel) {
    HWND box = WaitForMessageBox(kLimitMs);
    if (!box) return 1;
    wchar_t caption[256]{};
    GetWindowTextW(box, caption, static_cast<int>(std::size(caption)));
    std::wprintf(L"%ls|%ls\n", caption, ControlText(box, 0xFFFF).c_str());
    return CloseMessageBox(box, cancel ? IDCANCEL : IDOK, kLimitMs) ? 0 : 1;
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
    if (command == L"answer-box") return AnswerBox(argc == 3 && std::wstring(argv[2]) == L"cancel");
    HWND scheduler = Scheduler();
    if (command == L"visible") {
        std::wprintf(L"%d\n", scheduler && IsWindowVisible(scheduler) ? 1 : 0);
        return 0;
    }
    if (!scheduler) return 1;
    HWND list = GetDlgItem(scheduler, kQueueList);
    if (command == L"click" && argc == 3) Press(scheduler, _wtoi(argv[2]));
    else if (command == L"click-link") Press(scheduler, kStationLink, STN_CLICKED);
    else if (command == L"rows") return PrintListRows(list, kColumns) ? 0 : 1;
    else if (command == L"select" && argc == 3) return SelectListRow(list, _wtoi(argv[2])) ? 0 : 1;
    else if (command == L"key-delete") PostMessageW(list, WM_KEYUP, VK_DELETE, 0xC0000001);
    else if (command == L"set-text" && argc == 4) SetDlgItemTextW(scheduler, _wtoi(argv[2]), argv[3]);
    else if (command == L"text" && argc == 3)
        std::wprintf(L"%ls\n", ControlText(scheduler, _wtoi(argv[2])).c_str());
    else if (command == L"format" && argc == 3)
        SendDlgItemMessageW(scheduler, kFormatCombo, CB_SETCURSEL, _wtoi(argv[2]), 0);
    else if (command == L"set-time" && argc == 8)
        return SetTime(GetDlgItem(scheduler, _wtoi(argv[2])), argv + 3);
    else return 2;
    return 0;
}
