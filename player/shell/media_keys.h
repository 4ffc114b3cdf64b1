#pragma once
// The keyboard's media keys. While the player has the focus they come as
// WM_APPCOMMAND; Play/Pause and Stop are also registered as hot keys on the
// main window, so they reach it while another program has the focus. Another
// media program may hold those keys already: the player then goes without,
// quietly, and still hears them through WM_APPCOMMAND when it is in front.

#include <windows.h>

#include <optional>

enum class MediaKey { PlayPause, Stop, VolumeUp, VolumeDown, VolumeMute };

class MediaHotKeys {
public:
    MediaHotKeys() = default;
    ~MediaHotKeys() { Unregister(); }
    MediaHotKeys(const MediaHotKeys&) = delete;
    MediaHotKeys& operator=(const MediaHotKeys&) = delete;

    void Register(HWND window);
    void Unregister();

private:
    HWND window_ = nullptr;  // not owned
};

// The media key a WM_APPCOMMAND or WM_HOTKEY stands for; none for any other
// message or command.
std::optional<MediaKey> MediaKeyOf(UINT message, WPARAM wParam, LPARAM lParam);
