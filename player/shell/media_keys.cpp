#include "shell/media_keys.h"

namespace {

struct HotKey {
    int id;
    UINT virtualKey;
    MediaKey key;
};

// Hot key ids of an application lie below 0xC000.
constexpr HotKey kHotKeys[] = {
    {0x4D01, VK_MEDIA_PLAY_PAUSE, MediaKey::PlayPause},
    {0x4D02, VK_MEDIA_STOP, MediaKey::Stop},
};

std::optional<MediaKey> OfAppCommand(LPARAM lParam) {
    switch (GET_APPCOMMAND_LPARAM(lParam)) {
    case APPCOMMAND_MEDIA_PLAY_PAUSE: return MediaKey::PlayPause;
    case APPCOMMAND_MEDIA_STOP: return MediaKey::Stop;
    case APPCOMMAND_VOLUME_UP: return MediaKey::VolumeUp;
    case APPCOMMAND_VOLUME_DOWN: return MediaKey::VolumeDown;
    case APPCOMMAND_VOLUME_MUTE: return MediaKey::VolumeMute;
    default: return std::nullopt;
    }
}

std::optional<MediaKey> OfHotKey(WPARAM id) {
    for (const HotKey& hotKey : kHotKeys) {
        if (static_cast<WPARAM>(hotKey.id) == id) return hotKey.key;
    }
    return std::nullopt;
}

}  // namespace

// A key held down toggles once, not at every repeat.
void MediaHotKeys::Register(HWND window) {
    window_ = window;
    for (const HotKey& hotKey : kHotKeys)
        RegisterHotKey(window_, hotKey.id, MOD_NOREPEAT, hotKey.virtualKey);
}

// Unregistering a key that another program held fails harmlessly.
void MediaHotKeys::Unregister() {
    if (!window_) return;
    for (const HotKey& hotKey : kHotKeys) UnregisterHotKey(window_, hotKey.id);
    window_ = nullptr;
}

std::optional<MediaKey> MediaKeyOf(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APPCOMMAND) return OfAppCommand(lParam);
    if (message == WM_HOTKEY) return OfHotKey(wParam);
    return std::nullopt;
}
