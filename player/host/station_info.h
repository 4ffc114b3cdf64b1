#pragma once
// One station of the directory, and one entry of the links field.

#include <memory>
#include <string>
#include <vector>

struct StationInfo {
    std::wstring name;
    std::wstring homepage;
    std::wstring streamlink;  // given to the media player
    std::wstring banner;      // shown in the banner pane while the station is current
    std::wstring flagPath;    // application folder + "Flags\" + flagfile
    std::wstring flagfile;
    std::wstring current;     // page naming the title now playing; may be empty
    std::wstring tfirst;      // text just before the title on that page
    std::wstring tsecond;     // text just after it
    unsigned catid = 0;       // category bits; 0 lists the station only under "All stations"
};

// The directory as its last refresh read it, shared by the main window and
// the panes that list or look up stations: a directory may hold thousands
// of stations at about 1 KB each, too many to copy into every pane.
using StationList = std::shared_ptr<const std::vector<StationInfo>>;

inline StationList MakeStationList(std::vector<StationInfo> stations = {}) {
    return std::make_shared<const std::vector<StationInfo>>(std::move(stations));
}

struct LinkEntry {
    std::wstring title;
    std::wstring target;  // a URL or a link command such as "::Ticker::"
};
