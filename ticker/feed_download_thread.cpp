#include "ticker/feed_download_thread.h"

#include "common/helpers/contained_call.h"

#include "ticker/feed_downloader.h"
#include "ticker/ticker_messages.h"

namespace {

// The module this code lives in, with one more load reference, so that the
// library is not unloaded under the running thread.
HMODULE PinThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&PinThisModule), &module);
    return module;
}

struct RunningDownload {
    FeedDownloadJob job;
    HMODULE module;  // one load reference, given back as the thread ends
};

DWORD WINAPI RunDownload(void* parameter) {
    std::unique_ptr<RunningDownload> running(static_cast<RunningDownload*>(parameter));
    const FeedDownloadJob& job = running->job;
    // A download that fails to allocate is a failed download.
    RanContained([&] { DownloadFeedToCache(job.url, job.cachePath); });
    job.downloading->store(false);
    // Sent: the window's thread picks up the new feed while this one waits.
    // A window destroyed meanwhile makes this a no-op.
    SendMessageA(job.window, WM_FEED_READY, 0, 0);
    HMODULE module = running->module;
    running.reset();
    if (module) FreeLibraryAndExitThread(module, 0);
    return 0;
}

}  // namespace

bool StartFeedDownload(FeedDownloadJob job) {
    auto running = std::make_unique<RunningDownload>(RunningDownload{std::move(job), nullptr});
    // Claimed and pinned only after the allocation, which may throw: a
    // failed start must not leave the flag set or the library pinned.
    if (running->job.downloading->exchange(true)) return false;
    running->module = PinThisModule();
    HANDLE thread = CreateThread(nullptr, 0, RunDownload, running.get(), 0, nullptr);
    if (!thread) {
        running->job.downloading->store(false);
        if (running->module) FreeLibrary(running->module);
        return false;
    }
    running.release();  // the thread owns it now
    CloseHandle(thread);
    return true;
}
