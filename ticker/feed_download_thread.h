#pragma once
// Runs a feed download on a thread of its own and tells the ticker window
// when it has ended. The thread owns copies of what it needs, so the ticker
// object may go away while it runs; the library stays loaded until it ends.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

struct FeedDownloadJob {
    std::string url;
    std::wstring cachePath;
    HWND window = nullptr;  // receives WM_FEED_READY; may be gone by then
    // Shared with the window: set while this download runs.
    std::shared_ptr<std::atomic<bool>> downloading;
};

// False, and nothing started, when a download for the same window is still
// running (both would write the same cache file) or no thread could be made.
bool StartFeedDownload(FeedDownloadJob job);
