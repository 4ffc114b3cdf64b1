#pragma once
// The directory's categories. A station carries a bit mask of them; the
// browser pane lists the categories in the order below, each row filtering by
// its mask.

#include "host/station_table.h"

#include <array>
#include <cstddef>
#include <vector>

inline constexpr unsigned kCategoryClassical = 1;
inline constexpr unsigned kCategoryCountry = 2;
inline constexpr unsigned kCategoryDanceTechno = 4;
inline constexpr unsigned kCategoryJazzBlues = 8;
inline constexpr unsigned kCategoryMix = 16;
inline constexpr unsigned kCategoryNewsTalk = 32;
inline constexpr unsigned kCategoryRapRnb = 64;
inline constexpr unsigned kCategoryRock = 128;
inline constexpr unsigned kCategoryTop40 = 256;
inline constexpr unsigned kCategoryOldies = 512;

struct StationCategory {
    const wchar_t* name;
    unsigned mask;  // 0 for "All stations"
};

inline constexpr std::array<StationCategory, 11> kStationCategories{{
    {L"All stations", 0},
    {L"Classical", kCategoryClassical},
    {L"Country", kCategoryCountry},
    {L"Dance - techno", kCategoryDanceTechno},
    {L"Jazz - blues", kCategoryJazzBlues},
    {L"Mix", kCategoryMix},
    {L"News - talk", kCategoryNewsTalk},
    {L"Oldies", kCategoryOldies},
    {L"Rap - RnB", kCategoryRapRnb},
    {L"Rock", kCategoryRock},
    {L"Top40", kCategoryTop40},
}};

// Mask 0 lists every station; any other mask lists the stations that share a
// bit with it, so a station with catid 0 appears only under mask 0.
bool IsListedUnder(unsigned catid, unsigned mask);

// Indexes into the list of the stations listed under the mask, in list order.
std::vector<std::size_t> StationsInCategory(const StationTable& stations, unsigned mask);
