#pragma once
// The player's main window.

#include "registry_win32.h"

#include <windows.h>

class COrvaneDlg {
public:
    explicit COrvaneDlg(HINSTANCE instance) : instance_(instance) {}

    // Shows the window and returns when it closes.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int controlId, int notifyCode);
    void MoveToTopRight();

    HINSTANCE instance_;
    HWND window_ = nullptr;  // owned by the dialog manager, valid while the dialog runs
    Win32Registry registry_;
};
