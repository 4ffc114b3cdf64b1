#pragma once
// The ID3v2 tag at the head of each copied MP3 track: its title and artist,
// taken from the station's title, and the station's name. Version 2.3 with
// UTF-16 texts, the one Windows' shell and players read.

#include <string>
#include <string_view>

struct TrackTags {
    std::wstring title;
    std::wstring artist;
    std::wstring station;
};

// Stations announce "Artist - Title"; the first " - " divides them, and a
// title without one is all title.
TrackTags TrackTagsOf(std::wstring_view streamTitle, std::wstring_view station);

// The whole tag; empty texts get no frame, and no texts give no tag.
std::string Id3v2Tag(const TrackTags& tags);
