#include "directory_refresh_runner.h"

#include "clock_win32.h"
#include "data_files_win32.h"
#include "http_client_wininet.h"
#include "player_messages.h"
#include "registry_win32.h"

bool DirectoryRefreshRunner::Start(HWND owner, bool forced) {
    auto built = std::make_shared<std::vector<StationInfo>>();
    auto job = [place = place_, forced, built] {
        WinInetHttpClient http;
        Win32DataFiles files;
        Downloader downloads(http, files);
        Win32Registry registry;
        SystemClock clock;
        return RefreshDirectory(place, {downloads, files, registry, clock}, forced, *built);
    };
    if (!worker_.Start(owner, WM_DIRECTORY_READY, std::move(job))) return false;
    built_ = std::move(built);
    return true;
}

std::vector<StationInfo> DirectoryRefreshRunner::TakeStations() {
    if (!built_) return {};
    worker_.Wait();
    std::vector<StationInfo> stations = std::move(*built_);
    built_.reset();
    return stations;
}
