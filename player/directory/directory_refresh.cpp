#include "directory/directory_refresh.h"

#include "common/ports/ansi_text.h"
#include "common/ports/xml_document.h"
#include "directory/flag_bitmap.h"
#include "directory/links_list.h"
#include "directory/station_directory.h"
#include "host/player_settings.h"

bool RefreshIsDue(Registry& registry, const Clock& clock, bool forced) {
    return forced || ReadLastLaunch(registry) != FormatLastLaunch(clock.Now());
}

bool FetchMissingFlags(const StationTable& stations, const DirectoryPlace& place,
                       Downloader& downloads, DataFiles& files) {
    files.CreateFolder(place.appFolder + kFlagsFolder);
    for (std::size_t index = 0; index < stations.size(); ++index) {
        const std::wstring flagPath(stations.FlagPath(index));
        if (flagPath.empty() || files.Exists(flagPath)) continue;
        const std::wstring url = place.siteBaseUrl + L"flags/" + stations[index].flagfile;
        if (!DownloadSucceeded(downloads.DownloadToFile(url, flagPath, IsFlagBitmap)))
            return false;
    }
    return true;
}

namespace {

// A directory without stations is still a "root" document; anything else
// that happens to be well-formed (an XHTML page) is not a directory.
bool IsEmptyDirectory(std::wstring_view text) {
    auto document = NewXmlDocument();
    return document && document->LoadText(text) && document->SelectSingle(L"root");
}

std::optional<StationTable> ReadDirectory(std::string_view bytes, const std::wstring& appFolder) {
    if (bytes.empty()) return std::nullopt;
    const std::wstring text = AnsiToWide(bytes);
    StationTable stations;
    if (!ParseStations(text, appFolder, stations)) return std::nullopt;
    if (stations.empty() && !IsEmptyDirectory(text)) return std::nullopt;
    return stations;
}

// The stations before the first incomplete one, when there are any: for a
// player that has no directory of its own yet, better than none at all.
std::optional<StationTable> ReadDirectoryStart(std::string_view bytes,
                                               const std::wstring& appFolder) {
    StationTable stations;
    ParseStations(AnsiToWide(bytes), appFolder, stations);
    if (stations.empty()) return std::nullopt;
    return stations;
}

}  // namespace

DirectoryRefreshResult RefreshDirectory(const DirectoryPlace& place, DirectoryServices services,
                                        bool forced) {
    const std::wstring stationsPath = place.appFolder + kLocalStationsFile;
    bool downloadsMissed = false;
    std::optional<StationTable> downloaded;
    std::optional<StationTable> downloadedStart;
    const bool haveCopy = services.files.Exists(stationsPath);
    // "Last Launch" is the user's, the files are the folder's: a player in a
    // new folder, or one whose copy went, would otherwise show no stations
    // for the rest of the day.
    if (RefreshIsDue(services.registry, services.clock, forced) || !haveCopy) {
        // A page that is no directory (a captive portal's sign-in page) must
        // not replace the copy that worked; what passes is read once, here.
        // A directory broken off at an incomplete station is not kept either,
        // but without a copy its stations up to there are shown.
        const auto isDirectory = [&](std::string_view bytes) {
            downloaded = ReadDirectory(bytes, place.appFolder);
            if (!downloaded && !haveCopy) downloadedStart = ReadDirectoryStart(bytes, place.appFolder);
            return downloaded.has_value();
        };
        // A failed download leaves the previous copy, which is read below; it
        // only keeps "Last Launch" from saying the day is done.
        if (!DownloadSucceeded(services.downloads.DownloadToFile(
                place.siteBaseUrl + kSiteStationsFile, stationsPath, isDirectory))) {
            downloaded.reset();
            downloadsMissed = true;
        }
        if (!DownloadSucceeded(services.downloads.DownloadToFile(
                place.siteBaseUrl + kLinksFile, place.appFolder + kLinksFile, IsLinksDocument)))
            downloadsMissed = true;
    }
    DirectoryRefreshResult result;
    if (downloaded) {
        result.stations = std::move(downloaded);
    } else if (const auto bytes = services.files.Read(stationsPath)) {
        result.stations = ReadDirectory(*bytes, place.appFolder);
    }
    if (!result.stations) result.stations = std::move(downloadedStart);
    if (!result.stations) return result;
    if (!FetchMissingFlags(*result.stations, place, services.downloads, services.files))
        return result;
    if (!downloadsMissed) WriteLastLaunch(services.registry, services.clock.Now());
    result.succeeded = true;
    return result;
}
