#include "directory/directory_refresh_runner.h"

#include "common/ports/clock_win32.h"
#include "common/ports/registry_win32.h"
#include "directory/data_files_win32.h"
#include "directory/http_client_wininet.h"
#include "host/player_messages.h"

bool DirectoryRefreshRunner::Start(HWND owner, bool forced) {
    auto reading = std::make_shared<Reading>();
    auto job = [place = place_, forced, reading] {
        WinInetHttpClient http;
        Win32DataFiles files;
        Downloader downloads(http, files);
        Win32Registry registry;
        SystemClock clock;
        reading->directory = RefreshDirectory(place, {downloads, files, registry, clock}, forced);
        reading->refused = downloads.Refused();
        reading->links = ReadLinks(place.appFolder + kLinksFile);
        return reading->directory.succeeded;
    };
    if (!worker_.Start(owner, WM_DIRECTORY_READY, std::move(job), refreshes_ + 1)) return false;
    ++refreshes_;
    reading_ = std::move(reading);
    return true;
}

DirectoryHandover DirectoryRefreshRunner::TakeDirectory(LPARAM refresh, StationTable& stations,
                                                        LinksList& links) {
    if (!reading_ || refresh != refreshes_) return DirectoryHandover::Stale;
    worker_.Wait();
    const std::shared_ptr<Reading> reading = std::move(reading_);
    refused_ = reading->refused;
    if (reading->links) ApplyLinks(links, std::move(*reading->links));
    if (!reading->directory.stations) return DirectoryHandover::Unchanged;
    stations = std::move(*reading->directory.stations);
    return DirectoryHandover::NewList;
}
