// The skin gallery: every skinned window and control of the kit on one
// screen, for the Wine tests and for a look by eye. Not shipped.
//
//     skin_gallery [seconds]   ends by itself after that long (default 120),
//                              or when the buttons window is closed.

#include "common/window/modeless_dialogs.h"
#include "res/skin_ids.h"
#include "tests/skin/win/gallery_windows.h"

#include <commctrl.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const long seconds = commandLine && *commandLine ? std::wcstol(commandLine, nullptr, 10) : 120;

    GalleryMain main;
    GalleryPane pane;
    GalleryButtons buttons;
    if (!main.Create() || !pane.Create() || !buttons.Create()) return 1;
    for (HWND window : {main.Hwnd(), pane.Hwnd(), buttons.Hwnd()}) ShowWindow(window, SW_SHOW);
    GalleryPicture pictures[] = {
        {IDB_MAIN_COMPACT, 0, {20, 400}, {312, 26}},
        {IDB_INSTRUCTIONS, IDB_INSTRUCTIONS_DRAG, {20, 440}, {415, 112}},
        {IDB_WEB_PANE, IDB_WEB_PANE_DRAG, {20, 570}, {151, 195}},
        {IDB_RECORDER, IDB_RECORDER_DRAG, {640, 20}, {459, 215}},
        {IDB_SCHEDULER, IDB_SCHEDULER_DRAG, {640, 250}, {459, 215}},
    };
    for (GalleryPicture& picture : pictures) {
        if (picture.Create()) ShowWindow(picture.Hwnd(), SW_SHOW);
    }
    SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) break;
        if (RouteToModelessDialog(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
