#pragma once
// The station directory file: document element "root", one "station" element
// per station in display order, with the attribute "name" and the child
// elements "homepage", "streamlink", "banner", "current", "tfirst", "tsecond",
// "catid" and "flagfile".

#include "host/station_table.h"

#include <string>
#include <string_view>

inline constexpr wchar_t kLocalStationsFile[] = L"radio_pal_stations.xml";
inline constexpr wchar_t kSiteStationsFile[] = L"stations.xml";
inline constexpr wchar_t kFlagsFolder[] = L"Flags\\";

// Where a station's flag bitmap lives: the application folder + "Flags\" +
// the file name, or empty when the name from the directory is not a safe file
// name (such a station shows no flag).
std::wstring FlagPathFor(std::wstring_view appFolder, std::wstring_view flagfile);

// Reads the directory text into `stations`. When the text does not load as
// XML the list is left untouched and the result is false. Otherwise the list
// is refilled in document order; a station missing a required value (name,
// homepage, streamlink, banner, flagfile) stops the reading there, keeping
// the stations before it, and the result is false. No stations is success.
bool ParseStations(std::wstring_view text, std::wstring_view appFolder, StationTable& stations);

// "12abc" reads as 12, text without leading digits as 0, and so does a number
// too large for the mask.
unsigned ParseCategoryMask(std::wstring_view text);
