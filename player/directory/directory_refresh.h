#pragma once
// The daily refresh of the station directory: download the directory and the
// links file at most once a day (or when asked), read the local directory,
// and fetch the flags it names that are not here yet.

#include "common/ports/clock.h"
#include "common/ports/registry.h"
#include "directory/data_files.h"
#include "directory/downloads.h"
#include "host/station_table.h"

#include <optional>
#include <string>

// Where the directory comes from and where its copy lives; both end with
// their separator.
struct DirectoryPlace {
    std::wstring appFolder;    // "...\"
    std::wstring siteBaseUrl;  // ".../"
};

// What the refresh reaches the outside world through.
struct DirectoryServices {
    Downloader& downloads;
    DataFiles& files;
    Registry& registry;
    const Clock& clock;
};

// True unless "Last Launch" already names today (or a refresh is forced).
bool RefreshIsDue(Registry& registry, const Clock& clock, bool forced);

// Downloads every flag whose file is missing, in list order; the first failed
// download (or one that is no flag bitmap) ends the walk. Stations without a usable flag file name are passed
// over: they show no flag.
bool FetchMissingFlags(const StationTable& stations, const DirectoryPlace& place,
                       Downloader& downloads, DataFiles& files);

struct DirectoryRefreshResult {
    bool succeeded = false;
    // The local directory's stations, when it was read whole. A directory
    // that could not be read or parsed, or a page that is no directory at all
    // (a captive portal's sign-in page), gives no list, so the player keeps
    // the one it holds instead of an empty or partial one. Only a player
    // without a copy of its own gets the stations of a downloaded directory
    // up to its first incomplete station.
    std::optional<StationTable> stations;
};

// Reads the local directory after downloading a fresh copy when one is due.
// "Last Launch" is written only when the refresh succeeded and the due
// downloads did too, so that after a day without the site the next start
// tries again.
DirectoryRefreshResult RefreshDirectory(const DirectoryPlace& place, DirectoryServices services,
                                        bool forced);
