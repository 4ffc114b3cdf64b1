#pragma once
// Fetches the title now playing on worker threads for the main window: each
// fetch posts WM_NOWPLAYING_READY with wParam 1 when it stored a new title
// and 0 otherwise.

#include "directory/now_playing.h"
#include "directory/worker_thread.h"

#include <memory>

class NowPlayingFetcher {
public:
    explicit NowPlayingFetcher(std::shared_ptr<NowPlaying> nowPlaying)
        : nowPlaying_(std::move(nowPlaying)) {}

    // Starts a fetch of the current source. A station change starts one even
    // while an older fetch runs; only the newest is kept track of, and the
    // older one finishes by itself.
    bool Start(HWND owner);
    // For the periodic refresh of the title: starts a fetch only when the
    // newest one has finished. It never waits for one, as a stalled page can
    // keep a fetch busy for over a minute.
    bool StartUnlessRunning(HWND owner);
    bool IsRunning() const { return newest_ && newest_->IsRunning(); }

private:
    std::shared_ptr<NowPlaying> nowPlaying_;  // shared with the running fetches
    std::unique_ptr<ReportingWorker> newest_;
};
