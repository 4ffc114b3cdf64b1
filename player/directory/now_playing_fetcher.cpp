#include "directory/now_playing_fetcher.h"

#include "directory/data_files_win32.h"
#include "directory/http_client_wininet.h"
#include "host/player_messages.h"

bool NowPlayingFetcher::Start(HWND owner) {
    auto worker = std::make_unique<ReportingWorker>();
    auto job = [nowPlaying = nowPlaying_] {
        WinInetHttpClient http;
        Win32DataFiles files;
        Downloader downloads(http, files);
        return FetchNowPlaying(*nowPlaying, downloads);
    };
    if (!worker->Start(owner, WM_NOWPLAYING_READY, std::move(job))) return false;
    newest_ = std::move(worker);
    return true;
}

bool NowPlayingFetcher::StartUnlessRunning(HWND owner) { return !IsRunning() && Start(owner); }
