#pragma once
// One station of the directory, and one entry of the links field.

#include <string>

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

struct LinkEntry {
    std::wstring title;
    std::wstring target;  // a URL or a link command such as "::Ticker::"
};
