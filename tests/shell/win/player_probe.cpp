// Reads and pokes the running player's main window for the main window test
// script, which sees the screen with xdotool and ImageMagick but cannot read
// a control's text. One command a run; prints its answer on one line.
//
//   player_probe start PROGRAM   start the player and print the station
//                                button as first seen, then after the
//                                directory arrived: "TEXT|ENABLED"
//   player_probe text ID         the text of control ID
//   player_probe set-text ID T   give control ID the text T
//   player_probe move X Y        move the window, as a drag would
//   player_probe close           close the player
//   player_probe close-timed     close the player and print how many
//                                milliseconds its process ran on after the
//                                close was asked; fails when it still runs
//                                after 30 s
//   player_probe place ID        where control ID stands in the window's
//                                client area: "X Y W H"
//   player_probe dpi-changed X Y [DPI]  tell the window its monitor's DPI
//                                changed (to DPI, else to the DPI it has) and
//                                suggest X Y
//   player_probe line-height ID  the height of a line of text in edit
//                                control ID, in its font
//   player_probe template-line-height DPI  the same for the player's dialog
//                                font made for DPI
//   player_probe places          the same for every visible control of the
//                                window, one a line: "ID X Y W H"
//   player_probe pane ID         the player's other shown window that holds
//                                control ID (a pane, the ticker): "window X Y
//                                W H" on the screen, then its visible
//                                controls as `places` prints them
//   player_probe pane-client ID  the client area's size of the pane that
//                                holds control ID: "W H"
//   player_probe pane-dpi-changed ID  tell that window its monitor's DPI
//                                changed (to the DPI it has), suggesting the
//                                place it has
//   player_probe pane-rect ID X Y W H  put the pane that holds control ID
//                                at that rectangle on the screen, as a drag
//                                of its frame would
//   player_probe pane-press ID C  click control C of the pane that holds
//                                control ID, and wait till it was handled
//   player_probe columns ID      the column widths of list control ID in the
//                                pane that holds it, on one line
//   player_probe clipped ID C [FILE]  how many texts of column C of list
//                                control ID (in any of the player's windows)
//                                are wider, in the list's font, than the
//                                column: "CLIPPED OF ROWS"; a list that
//                                paints its own rows is given its texts in
//                                FILE, one a line in UTF-8
//   player_probe windows         the player's other visible windows, one a
//                                line: "NAME|X Y W H|TEXT OF CONTROL 203"
//                                (203 is the ticker's channel field; a
//                                tooltip's NAME is the tip it shows)
//   player_probe ticker          the Marquel ticker's windows that show:
//                                dialogs (class "#32770") of the player's
//                                process holding the ticker's channel field
//                                (203) and its spin (204), one a line:
//                                "X Y W H|TEXT OF CONTROL 203"
//   player_probe ticker-places   the ticker's client area on the screen,
//                                "client X Y W H", then each of its visible
//                                controls in that area: "ID X Y W H"
//   player_probe tips            the tip of every tooltip that shows, of
//                                any program (the tray icon's tip is the
//                                system tray's), one a line
//   player_probe texts NAME      the texts of the controls of the player's
//                                window NAME, one a line
//   player_probe press NAME ID   press button ID of the player's window NAME
//   player_probe enter NAME X Y  the Enter key, as the innermost window at
//                                client X Y of window NAME gets it when it
//                                has the focus
//   player_probe row ID N        scroll row N of list control ID (in any of
//                                the player's windows) into view and print
//                                the middle of its second cell on the
//                                screen, "X Y", for the script to click
//   player_probe watch ID S [T B]  for S seconds, each text control ID
//                                shows, as it changes: "MS|TEXT" with the
//                                milliseconds since the start; with T and B,
//                                button B is pressed the first time the text
//                                is T, which shows as the line "MS|<pressed>"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"VelmoraRadio";
constexpr int kStationButton = 1204;
constexpr int kTickerChannel = 203;
constexpr int kTickerSpin = 204;
constexpr DWORD kLimitMs = 30000;
constexpr DWORD kWatchStepMs = 10;

HWND WaitForPlayer() {
    const ULONGLONG deadline = GetTickCount64() + kLimitMs;
    HWND window = nullptr;
    while (!(window = FindWindowW(nullptr, kTitle)) && GetTickCount64() < deadline) Sleep(5);
    return window;
}

// Asked of the window itself: a tooltip answers with the tip it shows.
std::wstring WindowText(HWND window) {
    wchar_t text[512]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::wstring ControlText(HWND window, int id) { return WindowText(GetDlgItem(window, id)); }

// Read without a message: the player's thread is busy at its start and
// would answer only after the directory may already have arrived.
std::wstring StationButtonText(HWND window) {
    wchar_t text[512]{};
    InternalGetWindowText(GetDlgItem(window, kStationButton), text, std::size(text));
    return text;
}

void PrintButton(HWND window) {
    std::wprintf(L"%ls|%d\n", StationButtonText(window).c_str(),
                 IsWindowEnabled(GetDlgItem(window, kStationButton)) ? 1 : 0);
}

int Start(const wchar_t* program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    HWND window = WaitForPlayer();
    if (!window) return 1;
    const std::wstring first = StationButtonText(window);
    PrintButton(window);
    const ULONGLONG deadline = GetTickCount64() + kLimitMs;
    while (StationButtonText(window) == first && GetTickCount64() < deadline) Sleep(20);
    // The text changes halfway through the player's handling of the
    // directory; once its thread answers a message, that handling is done.
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kLimitMs, nullptr);
    PrintButton(window);
    return 0;
}

// Calls `visit` with each visible top-level window of the player's process
// but its main window.
template <typename Visit>
void ForOtherWindows(HWND player, Visit visit) {
    DWORD process = 0;
    GetWindowThreadProcessId(player, &process);
    struct Search {
        HWND player;
        DWORD process;
        Visit& visit;
    } search{player, process, visit};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            const auto& search = *reinterpret_cast<const Search*>(context);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (window != search.player && process == search.process && IsWindowVisible(window))
                search.visit(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}

void PrintShownTips() {
    EnumWindows(
        [](HWND window, LPARAM) -> BOOL {
            wchar_t className[64]{};
            GetClassNameW(window, className, std::size(className));
            if (IsWindowVisible(window) && std::wstring(className) == TOOLTIPS_CLASSW)
                std::wprintf(L"%ls\n", WindowText(window).c_str());
            return TRUE;
        },
        0);
}

// The top-level window NAME of the player's process.
HWND PlayerWindowNamed(HWND player, const wchar_t* name) {
    DWORD process = 0;
    GetWindowThreadProcessId(player, &process);
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, name); window;
         window = FindWindowExW(nullptr, window, nullptr, name)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process) return window;
    }
    return nullptr;
}

int PrintTexts(HWND window) {
    if (!window) return 1;
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        std::wprintf(L"%ls\n", WindowText(control).c_str());
    return 0;
}

int Press(HWND window, int id) {
    if (!window) return 1;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    return 0;
}

HWND InnermostAt(HWND window, POINT client) {
    for (;;) {
        const HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
        if (!child || child == window) return window;
        MapWindowPoints(window, child, &client, 1);
        window = child;
    }
}

int PressEnter(HWND window, POINT client) {
    if (!window) return 1;
    const HWND target = InnermostAt(window, client);
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(target, WM_KEYUP, VK_RETURN, 0xC01C0001);
    return 0;
}

// "X Y W H|TEXT OF CONTROL 203"
void PrintPlaceAndChannel(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    std::wprintf(L"%ld %ld %ld %ld|%ls\n", place.left, place.top, place.right - place.left,
                 place.bottom - place.top, ControlText(window, kTickerChannel).c_str());
}

void PrintOtherWindows(HWND player) {
    ForOtherWindows(player, [](HWND window) {
        std::wprintf(L"%ls|", WindowText(window).c_str());
        PrintPlaceAndChannel(window);
    });
}

// The ticker registers no class of its own: its window is a dialog made from
// Marquel's template, known by the dialog class and the template's controls.
bool IsTicker(HWND window) {
    wchar_t className[64]{};
    GetClassNameW(window, className, std::size(className));
    return std::wstring(className) == L"#32770" && GetDlgItem(window, kTickerChannel) &&
           GetDlgItem(window, kTickerSpin);
}

void PrintTickers(HWND player) {
    ForOtherWindows(player, [](HWND window) {
        if (IsTicker(window)) PrintPlaceAndChannel(window);
    });
}

// List control ID in any of the player's windows.
HWND FindList(HWND player, int listId) {
    HWND list = GetDlgItem(player, listId);
    ForOtherWindows(player, [&](HWND window) {
        if (!list) list = GetDlgItem(window, listId);
    });
    return list;
}

// For the addresses a message to the window carries, in the player's memory.
HANDLE OpenWindowProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
}

// The list's rectangle of a cell lives in the player's memory: the message
// that fills it carries an address, which must be one of the player's own.
bool PrintRow(HWND player, int listId, int row) {
    const HWND list = FindList(player, listId);
    const HANDLE process = list ? OpenWindowProcess(list) : nullptr;
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT cell{LVIR_BOUNDS, 1, 0, 0};  // left: which part, top: which column
    const bool found =
        remote && SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE) &&
        WriteProcessMemory(process, remote, &cell, sizeof(cell), nullptr) &&
        SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(process, remote, &cell, sizeof(cell), nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (!found) return false;
    POINT middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, &middle);
    std::wprintf(L"%ld %ld\n", middle.x, middle.y);
    return true;
}

void Watch(HWND player, int id, DWORD seconds, const wchar_t* pressWhen, int button) {
    const ULONGLONG start = GetTickCount64();
    std::wstring shown;
    bool pressed = false;
    for (ULONGLONG now = start; now - start < seconds * 1000ULL; now = GetTickCount64()) {
        const std::wstring text = ControlText(player, id);
        if (text != shown) {
            shown = text;
            std::wprintf(L"%llu|%ls\n", now - start, shown.c_str());
            std::fflush(stdout);  // the script reads the file while this runs
        }
        if (pressWhen && !pressed && shown == pressWhen) {
            pressed = true;
            std::wprintf(L"%llu|<pressed>\n", GetTickCount64() - start);
            SendDlgItemMessageW(player, button, BM_CLICK, 0, 0);
        }
        Sleep(kWatchStepMs);
    }
}

int CloseTimed(HWND player) {
    DWORD processId = 0;
    GetWindowThreadProcessId(player, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    const ULONGLONG start = GetTickCount64();
    PostMessageW(player, WM_CLOSE, 0, 0);
    if (!process) {
        std::fwprintf(stderr, L"cannot watch process %lu: error %lu\n", processId, GetLastError());
        return 1;
    }
    const bool ended = WaitForSingleObject(process, kLimitMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    if (!ended) return 1;
    std::wprintf(L"%llu\n", GetTickCount64() - start);
    return 0;
}

RECT PlaceInParent(HWND player, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, player, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void PrintPlace(HWND player, int id) {
    const RECT place = PlaceInParent(player, GetDlgItem(player, id));
    std::wprintf(L"%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left,
                 place.bottom - place.top);
}

// The suggested rectangle goes into the player's memory: no one carries a
// WM_DPICHANGED's address across processes.
int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool SendDpiChanged(HWND window, POINT suggestedCorner, int dpi) {
    const HANDLE process = window ? OpenWindowProcess(window) : nullptr;
    if (!process) return false;
    RECT suggested{};
    GetWindowRect(window, &suggested);
    OffsetRect(&suggested, suggestedCorner.x - suggested.left, suggestedCorner.y - suggested.top);
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    const bool sent =
        remote && WriteProcessMemory(process, remote, &suggested, sizeof(suggested), nullptr);
    if (sent)
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return sent;
}

void PrintPlaces(HWND player) {
    for (HWND control = GetWindow(player, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control)) continue;
        const RECT place = PlaceInParent(player, control);
        std::wprintf(L"%d %ld %ld %ld %ld\n", GetDlgCtrlID(control), place.left, place.top,
                     place.right - place.left, place.bottom - place.top);
    }
}

HWND PaneHolding(HWND player, int controlId) {
    HWND pane = nullptr;
    ForOtherWindows(player, [&](HWND window) {
        if (!pane && GetDlgItem(window, controlId)) pane = window;
    });
    return pane;
}

bool PrintPane(HWND pane) {
    if (!pane) return false;
    RECT frame{};
    GetWindowRect(pane, &frame);
    std::wprintf(L"window %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top);
    PrintPlaces(pane);
    return true;
}

bool PrintClientSize(HWND pane) {
    RECT client{};
    if (!pane || !GetClientRect(pane, &client)) return false;
    std::wprintf(L"%ld %ld\n", client.right, client.bottom);
    return true;
}

bool PrintColumnWidths(HWND list) {
    if (!list) return false;
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < count; ++column)
        std::wprintf(L"%ls%d", column ? L" " : L"",
                     static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
    std::wprintf(L"\n");
    return count > 0;
}

bool SendPaneDpiChanged(HWND pane) {
    RECT frame{};
    return pane && GetWindowRect(pane, &frame) &&
           SendDpiChanged(pane, {frame.left, frame.top}, ScreenDpi());
}

// The edit control's text line: its height is that of its font's letters
// with their leading. The system carries an edit message's rectangle
// across processes, as it does for every message below WM_USER.
bool PrintLineHeight(HWND edit) {
    RECT line{};
    if (!edit) return false;
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&line));
    std::wprintf(L"%ld\n", line.bottom - line.top);
    return true;
}

// The same for the player's dialog font, 8 points of "MS Shell Dlg", made
// here for DPI as the dialog manager makes it.
bool PrintTemplateLineHeight(int dpi) {
    const HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    const bool measured = GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    if (measured) std::wprintf(L"%ld\n", metrics.tmHeight);
    return measured;
}

bool PlacePane(HWND pane, wchar_t** place) {
    return pane && SetWindowPos(pane, nullptr, _wtoi(place[0]), _wtoi(place[1]), _wtoi(place[2]),
                                _wtoi(place[3]), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sent, not posted: once it returns, the pane has done what the click asks.
bool PressInPane(HWND pane, int id) {
    const HWND control = pane ? GetDlgItem(pane, id) : nullptr;
    if (!control) return false;
    SendMessageW(pane, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return true;
}

void PrintTickerPlaces(HWND player) {
    ForOtherWindows(player, [](HWND ticker) {
        if (!IsTicker(ticker)) return;
        RECT client{};
        GetClientRect(ticker, &client);
        POINT origin{0, 0};
        ClientToScreen(ticker, &origin);
        std::wprintf(L"client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
        PrintPlaces(ticker);
    });
}

std::vector<std::wstring> ReadLines(const wchar_t* path) {
    std::vector<std::wstring> lines;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return lines;
    char line[1024];
    while (std::fgets(line, sizeof(line), file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        std::wstring wide(text.size(), L'\0');
        wide.resize(static_cast<size_t>(MultiByteToWideChar(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
            static_cast<int>(wide.size()))));
        lines.push_back(wide);
    }
    std::fclose(file);
    return lines;
}

// The texts and their widths in the list's font: the messages carry
// addresses, which must be the player's own.
bool PrintClipped(HWND player, int listId, int column, const wchar_t* textsFile) {
    const HWND list = FindList(player, listId);
    const HANDLE process = list ? OpenWindowProcess(list) : nullptr;
    if (!process) return false;
    constexpr int kTextLength = 256;
    struct Remote {
        LVITEMW item;
        wchar_t text[kTextLength];
    };
    auto* remote = static_cast<Remote*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    const std::vector<std::wstring> texts = textsFile ? ReadLines(textsFile) : std::vector<std::wstring>{};
    const int rows = textsFile ? static_cast<int>(texts.size())
                               : static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int columnWidth = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    int clipped = 0;
    for (int row = 0; remote && row < rows; ++row) {
        if (textsFile) {
            const std::wstring text = texts[static_cast<size_t>(row)].substr(0, kTextLength - 1);
            WriteProcessMemory(process, remote->text, text.c_str(),
                               (text.size() + 1) * sizeof(wchar_t), nullptr);
        } else {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = remote->text;
            item.cchTextMax = kTextLength;
            WriteProcessMemory(process, &remote->item, &item, sizeof(item), nullptr);
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&remote->item));
        }
        const auto width = static_cast<int>(
            SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(remote->text)));
        if (width > columnWidth) ++clipped;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    std::wprintf(L"%d of %d\n", clipped, rows);
    return remote != nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    if (command == L"start" && argc == 3) return Start(argv[2]);
    HWND window = WaitForPlayer();
    if (!window) return 1;
    if (command == L"text" && argc == 3) {
        std::wprintf(L"%ls\n", ControlText(window, _wtoi(argv[2])).c_str());
    } else if (command == L"set-text" && argc == 4) {
        SendDlgItemMessageW(window, _wtoi(argv[2]), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(argv[3]));
    } else if (command == L"move" && argc == 4) {
        SetWindowPos(window, nullptr, _wtoi(argv[2]), _wtoi(argv[3]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (command == L"windows") {
        PrintOtherWindows(window);
    } else if (command == L"tips") {
        PrintShownTips();
    } else if (command == L"ticker") {
        PrintTickers(window);
    } else if (command == L"ticker-places") {
        PrintTickerPlaces(window);
    } else if (command == L"texts" && argc == 3) {
        return PrintTexts(PlayerWindowNamed(window, argv[2]));
    } else if (command == L"press" && argc == 4) {
        return Press(PlayerWindowNamed(window, argv[2]), _wtoi(argv[3]));
    } else if (command == L"enter" && argc == 5) {
        return PressEnter(PlayerWindowNamed(window, argv[2]), {_wtoi(argv[3]), _wtoi(argv[4])});
    } else if (command == L"row" && argc == 4) {
        return PrintRow(window, _wtoi(argv[2]), _wtoi(argv[3])) ? 0 : 1;
    } else if (command == L"watch" && (argc == 4 || argc == 6)) {
        Watch(window, _wtoi(argv[2]), _wtoi(argv[3]), argc == 6 ? argv[4] : nullptr,
              argc == 6 ? _wtoi(argv[5]) : 0);
    } else if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else if (command == L"close-timed") {
        return CloseTimed(window);
    } else if (command == L"dpi-changed" && (argc == 4 || argc == 5)) {
        const int dpi = argc == 5 ? _wtoi(argv[4]) : ScreenDpi();
        return SendDpiChanged(window, {_wtoi(argv[2]), _wtoi(argv[3])}, dpi) ? 0 : 1;
    } else if (command == L"line-height" && argc == 3) {
        return PrintLineHeight(GetDlgItem(window, _wtoi(argv[2]))) ? 0 : 1;
    } else if (command == L"template-line-height" && argc == 3) {
        return PrintTemplateLineHeight(_wtoi(argv[2])) ? 0 : 1;
    } else if (command == L"pane-rect" && argc == 7) {
        return PlacePane(PaneHolding(window, _wtoi(argv[2])), argv + 3) ? 0 : 1;
    } else if (command == L"pane-press" && argc == 4) {
        return PressInPane(PaneHolding(window, _wtoi(argv[2])), _wtoi(argv[3])) ? 0 : 1;
    } else if (command == L"pane" && argc == 3) {
        return PrintPane(PaneHolding(window, _wtoi(argv[2]))) ? 0 : 1;
    } else if (command == L"pane-client" && argc == 3) {
        return PrintClientSize(PaneHolding(window, _wtoi(argv[2]))) ? 0 : 1;
    } else if (command == L"columns" && argc == 3) {
        const int list = _wtoi(argv[2]);
        return PrintColumnWidths(GetDlgItem(PaneHolding(window, list), list)) ? 0 : 1;
    } else if (command == L"pane-dpi-changed" && argc == 3) {
        return SendPaneDpiChanged(PaneHolding(window, _wtoi(argv[2]))) ? 0 : 1;
    } else if (command == L"places") {
        PrintPlaces(window);
    } else if (command == L"clipped" && (argc == 4 || argc == 5)) {
        return PrintClipped(window, _wtoi(argv[2]), _wtoi(argv[3]), argc == 5 ? argv[4] : nullptr)
                   ? 0
                   : 1;
    } else if (command == L"place" && argc == 3) {
        PrintPlace(window, _wtoi(argv[2]));
    } else {
        return 2;
    }
    return 0;
}
