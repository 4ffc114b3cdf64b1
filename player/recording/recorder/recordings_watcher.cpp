#include "recording/recorder/recordings_watcher.h"

#include "common/helpers/contained_call.h"

#include "host/player_messages.h"

namespace {

// A file being recorded is written several times a second; its size in the
// list need not follow more often than this.
constexpr ULONGLONG kWritePostGapMs = 1000;

void CloseNotification(HANDLE& handle) {
    if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
    handle = INVALID_HANDLE_VALUE;
}

}  // namespace

bool RecordingsWatcher::Start(HWND window, const std::wstring& folder) {
    Stop();
    names_ = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    writes_ = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (!wake_ || names_ == INVALID_HANDLE_VALUE || writes_ == INVALID_HANDLE_VALUE) {
        Stop();
        return false;
    }
    ResetEvent(wake_.Get());
    thread_ = std::thread([this, window] { RanContained([&] { Watch(window); }); });
    return true;
}

void RecordingsWatcher::Stop() {
    SetEvent(wake_.Get());
    if (thread_.joinable()) thread_.join();
    CloseNotification(names_);
    CloseNotification(writes_);
}

// Names that come and go are posted at once. Writes are posted at most once
// per kWritePostGapMs: one that comes sooner waits for the gap to end, and
// meanwhile the watch covers the names only, so that further writes do not
// wake it.
void RecordingsWatcher::Watch(HWND window) {
    const HANDLE handles[] = {wake_.Get(), names_, writes_};
    ULONGLONG lastPost = 0;
    bool writePending = false;
    const auto post = [&] {
        PostMessageW(window, WM_RECORDINGS_CHANGED, 0, 0);
        lastPost = GetTickCount64();
        writePending = false;
    };
    for (;;) {
        const ULONGLONG sincePost = GetTickCount64() - lastPost;
        if (writePending && sincePost >= kWritePostGapMs) post();
        const DWORD wait =
            writePending ? static_cast<DWORD>(kWritePostGapMs - sincePost) : INFINITE;
        const DWORD woken = WaitForMultipleObjects(writePending ? 2 : 3, handles, FALSE, wait);
        if (woken == WAIT_OBJECT_0 + 1) {
            if (FindNextChangeNotification(names_)) post();
        } else if (woken == WAIT_OBJECT_0 + 2) {
            writePending = FindNextChangeNotification(writes_) != FALSE;
        } else if (woken != WAIT_TIMEOUT) {
            return;  // told to stop, or the wait failed
        }
    }
}
