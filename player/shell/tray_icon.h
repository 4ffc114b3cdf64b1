#pragma once
// The player's icon in the notification area: added at start and on every
// hide (the shell may have restarted meanwhile), removed when the main window
// goes. Its mouse messages come to the window as WM_TRAY_NOTIFY.

#include <windows.h>

#include <string>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Add(HWND window);
    void Remove();
    // What plays now, shown as the tip; the player's name while nothing plays.
    void ShowNowPlaying(const std::wstring& station, const std::wstring& title);
    // The popup menu at the cursor; the chosen command goes to the window.
    void ShowMenu() const;

private:
    HWND window_ = nullptr;  // not owned
    bool added_ = false;
    std::wstring tip_;  // empty: the player's name
};
