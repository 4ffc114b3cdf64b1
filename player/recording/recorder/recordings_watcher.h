#pragma once
// Watches the recordings folder (not its subfolders) for files that come,
// go, are renamed or written, and posts WM_RECORDINGS_CHANGED to the window:
// at once for names, at most once a second for writes. The thread only waits
// and posts; it wakes at least once a second to see whether it must end.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class RecordingsWatcher {
public:
    ~RecordingsWatcher() { Stop(); }
    // Stops any earlier watch first; false when the folder cannot be watched.
    bool Start(HWND window, const std::wstring& folder);
    void Stop();

private:
    void Watch(HWND window);

    // Owned change notifications; they close with FindCloseChangeNotification,
    // not CloseHandle, so no ScopedHandle. Closed by Stop.
    HANDLE names_ = INVALID_HANDLE_VALUE;
    HANDLE writes_ = INVALID_HANDLE_VALUE;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
