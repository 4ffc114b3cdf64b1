// Drives the running player's recordings window for the recorder test
// script: presses buttons as their clicks would, reads and selects rows of
// the recordings list, and answers the window's message boxes. One command
// a run; prints its answer, one line per item.
//
//   recorder_probe click-main ID     press button ID of the main window
//   recorder_probe click ID          press button ID of the recordings window
//   recorder_probe visible           1 when the recordings window shows, else 0
//   recorder_probe place             the recordings window's screen rectangle,
//                                    "LEFT TOP RIGHT BOTTOM"
//   recorder_probe place-main        the same for the main window
//   recorder_probe owned-shows ID    1 when a window of the recordings window's
//                                    own shows, holding control ID, else 0
//   recorder_probe rows              the list's rows: "DATE|NAME|SIZE"
//   recorder_probe select ROW        make ROW the only selected row and the mark
//   recorder_probe set-text ID TEXT  give control ID of the recordings window TEXT
//   recorder_probe text ID           the text of control ID of the recordings window
//   recorder_probe choose ID ENTRY   pick ENTRY of combo box ID of the recordings
//                                    window, as a user's choice does
//   recorder_probe answer-box        wait for a message box of the player, print
//                                    its text and press its OK button

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

constexpr wchar_t kTitle[] = L"VelmoraRadio";
constexpr int kRecordingsList = 1052;
constexpr DWORD kLimitMs = 20000;

HWND Player() { return FindWindowW(nullptr, kTitle); }

struct Search {
    HWND owner;
    HWND found = nullptr;
};

// The recordings window: owned by the main window, with the recordings list.
HWND Recorder() {
    Search search{Player()};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            if (GetWindow(window, GW_OWNER) != search.owner || !GetDlgItem(window, kRecordingsList))
                return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
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

// Memory in the player's process for list-view messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Ok() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    bool Put(SIZE_T offset, const void* bytes, SIZE_T length) const {
        return WriteProcessMemory(process_, Address() + offset, bytes, length, nullptr);
    }
    bool Get(SIZE_T offset, void* bytes, SIZE_T length) const {
        return ReadProcessMemory(process_, Address() + offset, bytes, length, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    SIZE_T size_;
};

std::wstring CellText(HWND list, RemoteBuffer& remote, int row, int column) {
    constexpr int kChars = 260;
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(LVITEMW));
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.Address()));
    wchar_t text[kChars]{};
    remote.Get(sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t));
    return text;
}

int Rows(HWND recorder) {
    HWND list = GetDlgItem(recorder, kRecordingsList);
    RemoteBuffer remote(list, sizeof(LVITEMW) + 260 * sizeof(wchar_t));
    if (!remote.Ok()) return 1;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wprintf(L"%ls|%ls|%ls\n", CellText(list, remote, row, 0).c_str(),
                     CellText(list, remote, row, 1).c_str(), CellText(list, remote, row, 2).c_str());
    }
    return 0;
}

int Select(HWND recorder, int row) {
    HWND list = GetDlgItem(recorder, kRecordingsList);
    RemoteBuffer remote(list, sizeof(LVITEMW));
    if (!remote.Ok()) return 1;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(remote.Address()));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.Address()));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    return 0;
}

// A message box of the player's thread: a dialog with the static 0xFFFF.
HWND WaitForMessageBox() {
    DWORD thread = GetWindowThreadProcessId(Player(), nullptr);
    const ULONGLONG deadline = GetTickCount64() + kLimitMs;
    while (GetTickCount64() < deadline) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM data) -> BOOL {
                if (!IsWindowVisible(window) || !GetDlgItem(window, 0xFFFF)) return TRUE;
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

std::wstring ControlText(HWND window, int id) {
    wchar_t text[512]{};
    SendDlgItemMessageW(window, id, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

void Press(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
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
        HWND box = WaitForMessageBox();
        if (!box) return 1;
        std::wprintf(L"%ls\n", ControlText(box, 0xFFFF).c_str());
        Press(box, IDOK);
        return 0;
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
    if (command == L"rows") return Rows(recorder);
    if (command == L"place") return PrintPlace(recorder);
    if (command == L"owned-shows" && argc == 3) {
        std::wprintf(L"%d\n", OwnedWindowShows(recorder, _wtoi(argv[2])) ? 1 : 0);
        return 0;
    }
    if (command == L"select" && argc == 3) return Select(recorder, _wtoi(argv[2]));
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
