#pragma once
// What the probes that drive the running player's panes share: finding the
// player and a pane of it, reading list rows across the process boundary,
// pressing buttons as their clicks would, and answering message boxes.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

inline constexpr wchar_t kPlayerTitle[] = L"VelmoraRadio";

// The main window; the player's message boxes bear its title too, so it is
// told apart by its station button.
inline HWND Player() {
    constexpr int kStationButton = 1204;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, nullptr, kPlayerTitle))) {
        if (GetDlgItem(window, kStationButton)) return window;
    }
    return nullptr;
}

// The window owned by the main window that holds a control of this id.
inline HWND OwnedWindowWith(int controlId) {
    struct Search {
        HWND owner;
        int controlId;
        HWND found = nullptr;
    } search{Player(), controlId};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            if (GetWindow(window, GW_OWNER) != search.owner ||
                !GetDlgItem(window, search.controlId))
                return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Memory in the player's process for messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
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
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Ok() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(address_); }
    bool Put(SIZE_T offset, const void* bytes, SIZE_T length) const {
        return WriteProcessMemory(process_, Address() + offset, bytes, length, nullptr);
    }
    bool Get(SIZE_T offset, void* bytes, SIZE_T length) const {
        return ReadProcessMemory(process_, Address() + offset, bytes, length, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

inline constexpr int kCellChars = 260;

// A buffer big enough for ListCellText.
inline SIZE_T CellBufferSize() { return sizeof(LVITEMW) + kCellChars * sizeof(wchar_t); }

inline std::wstring ListCellText(HWND list, const RemoteBuffer& remote, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kCellChars;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof(LVITEMW));
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, row, remote.Param());
    wchar_t text[kCellChars]{};
    remote.Get(sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t));
    return text;
}

// Prints the first `columns` cells of every row of a list view, one row a
// line, the cells apart by "|". False when the player's memory is out of reach.
inline bool PrintListRows(HWND list, int columns) {
    RemoteBuffer remote(list, CellBufferSize());
    if (!remote.Ok()) return false;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wstring line;
        for (int column = 0; column < columns; ++column)
            line += (column ? L"|" : L"") + ListCellText(list, remote, row, column);
        std::wprintf(L"%ls\n", line.c_str());
    }
    return true;
}

// Makes `row` the only selected row and the selection mark.
inline bool SelectListRow(HWND list, int row) {
    RemoteBuffer remote(list, sizeof(LVITEMW));
    if (!remote.Ok()) return false;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, -1, remote.Param());
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Put(0, &item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, row, remote.Param());
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    return true;
}

inline std::wstring ControlText(HWND window, int id) {
    wchar_t text[512]{};
    SendDlgItemMessageW(window, id, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

inline void Press(HWND window, int id, int notifyCode = BN_CLICKED) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, notifyCode),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Presses the box's button and waits up to `limitMs` for the box to go.
inline bool CloseMessageBox(HWND box, int button, DWORD limitMs) {
    Press(box, button);
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while (IsWindow(box) && IsWindowVisible(box) && GetTickCount64() < deadline) Sleep(50);
    return !IsWindowVisible(box);
}

// A message box of the player's thread (a dialog with the static 0xFFFF),
// waited for up to `limitMs`; null when none showed.
inline HWND WaitForMessageBox(DWORD limitMs) {
    const DWORD thread = GetWindowThreadProcessId(Player(), nullptr);
    const ULONGLONG deadline = GetTickCount64() + limitMs;
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
