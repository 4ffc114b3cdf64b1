#pragma once
// Watches the recordings folder (not its subfolders) for files that come,
// go, are renamed or written, and posts WM_RECORDINGS_CHANGED to the window:
// at once for names, at most once a second for writes. The thread only waits
// and posts; Stop wakes it at once, so the window never waits for it.

#include "common/helpers/scoped_handle.h"

#include <windows.h>

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
    ScopedHandle wake_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};  // set by Stop
    std::thread thread_;
};
