#include "recordings_watcher.h"

#include "player_messages.h"

namespace {

constexpr DWORD kStopCheckMs = 1000;

void CloseNotification(HANDLE& handle) {
    if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
    handle = INVALID_HANDLE_VALUE;
}

}  // namespace

bool RecordingsWatcher::Start(HWND window, const std::wstring& folder) {
    Stop();
    names_ = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    writes_ = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (names_ == INVALID_HANDLE_VALUE || writes_ == INVALID_HANDLE_VALUE) {
        Stop();
        return false;
    }
    stop_ = false;
    thread_ = std::thread([this, window] { Watch(window); });
    return true;
}

void RecordingsWatcher::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    CloseNotification(names_);
    CloseNotification(writes_);
}

void RecordingsWatcher::Watch(HWND window) {
    const HANDLE handles[] = {names_, writes_};
    while (!stop_) {
        const DWORD woken = WaitForMultipleObjects(2, handles, FALSE, kStopCheckMs);
        if (woken != WAIT_OBJECT_0 && woken != WAIT_OBJECT_0 + 1) continue;
        if (FindNextChangeNotification(handles[woken - WAIT_OBJECT_0]))
            PostMessageW(window, WM_RECORDINGS_CHANGED, 0, 0);
    }
}
