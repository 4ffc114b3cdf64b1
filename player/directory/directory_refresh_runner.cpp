#include "directory/directory_refresh_runner.h"

#include "common/ports/clock_win32.h"
#include "common/ports/registry_win32.h"
#include "directory/data_files_win32.h"
#include "directory/http_client_wininet.h"
#include "host/player_messages.h"

bool DirectoryRefreshRunner::Start(HWND owner, bool forced) {
    auto result = std::make_shared<DirectoryRefreshResult>();
    auto job = [place = place_, forced, result] {
        WinInetHttpClient http;
        Win32DataFiles files;
        Downloader downloads(http, files);
        Win32Registry registry;
        SystemClock clock;
        *result = RefreshDirectory(place, {downloads, files, registry, clock}, forced);
        return result->succeeded;
    };
    if (!worker_.Start(owner, WM_DIRECTORY_READY, std::move(job), refreshes_ + 1)) return false;
    ++refreshes_;
    result_ = std::move(result);
    return true;
}

DirectoryHandover DirectoryRefreshRunner::TakeStations(LPARAM refresh,
                                                       std::vector<StationInfo>& stations) {
    if (!result_ || refresh != refreshes_) return DirectoryHandover::Stale;
    worker_.Wait();
    const std::shared_ptr<DirectoryRefreshResult> result = std::move(result_);
    if (!result->stations) return DirectoryHandover::Unchanged;
    stations = std::move(*result->stations);
    return DirectoryHandover::NewList;
}
