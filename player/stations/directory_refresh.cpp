#include "directory_refresh.h"

#include "ansi_text.h"
#include "links_list.h"
#include "player_settings.h"
#include "station_directory.h"

bool RefreshIsDue(Registry& registry, const Clock& clock, bool forced) {
    return forced || ReadLastLaunch(registry) != FormatLastLaunch(clock.Now());
}

bool FetchMissingFlags(const std::vector<StationInfo>& stations, const DirectoryPlace& place,
                       Downloader& downloads, DataFiles& files) {
    files.CreateFolder(place.appFolder + kFlagsFolder);
    for (const StationInfo& station : stations) {
        if (station.flagPath.empty() || files.Exists(station.flagPath)) continue;
        const std::wstring url = place.siteBaseUrl + L"flags/" + station.flagfile;
        if (!DownloadSucceeded(downloads.DownloadToFile(url, station.flagPath))) return false;
    }
    return true;
}

bool RefreshDirectory(const DirectoryPlace& place, DirectoryServices services, bool forced,
                      std::vector<StationInfo>& stations) {
    const std::wstring stationsPath = place.appFolder + kLocalStationsFile;
    bool downloadsMissed = false;
    if (RefreshIsDue(services.registry, services.clock, forced)) {
        // A failed download leaves the previous copy, which is read below; it
        // only keeps "Last Launch" from saying the day is done.
        for (const auto& [siteFile, localPath] :
             {std::pair{place.siteBaseUrl + kSiteStationsFile, stationsPath},
              std::pair{place.siteBaseUrl + kLinksFile, place.appFolder + kLinksFile}}) {
            if (!DownloadSucceeded(services.downloads.DownloadToFile(siteFile, localPath)))
                downloadsMissed = true;
        }
    }
    const auto bytes = services.files.Read(stationsPath);
    if (!bytes || bytes->empty()) return false;
    if (!ParseStations(AnsiToWide(*bytes), place.appFolder, stations)) return false;
    if (!FetchMissingFlags(stations, place, services.downloads, services.files)) return false;
    if (!downloadsMissed) WriteLastLaunch(services.registry, services.clock.Now());
    return true;
}
