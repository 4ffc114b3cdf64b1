#pragma once
// The station directory as the player keeps it between refreshes: every text
// stored once in one buffer, each station a row of references into it. Held
// as StationInfo records, a directory of 10,000 stations took about 1.1 KB a
// station: nine strings each with a heap block of its own, and the same
// addresses, flag path and title markers repeated station after station.
// Here a repeated text costs nothing and a station's row 76 bytes.

#include "host/station_info.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class StationTable {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    // The station as a record of its own, made on demand.
    StationInfo operator[](std::size_t index) const;
    std::wstring_view Name(std::size_t index) const { return Text(index, kName); }
    std::wstring_view FlagPath(std::size_t index) const { return Text(index, kFlagPath); }
    unsigned Category(std::size_t index) const { return rows_[index].catid; }

    void Reserve(std::size_t stations) { rows_.reserve(stations); }
    // False, and nothing added, when the texts would pass what the table's
    // 32-bit references reach (4 G characters, far beyond any directory).
    bool Add(const StationInfo& station);
    void Clear();
    // Once the table is filled: drops the index of stored texts, which only
    // adding needs, and the spare room the buffers grew with.
    void Compact();

private:
    enum Field { kName, kHomepage, kStreamlink, kBanner, kFlagPath, kFlagfile, kCurrent,
                 kTfirst, kTsecond, kFieldCount };
    // The record's text for each field, in the order of Field.
    static constexpr std::array<std::wstring StationInfo::*, kFieldCount> kFieldTexts{
        &StationInfo::name,     &StationInfo::homepage, &StationInfo::streamlink,
        &StationInfo::banner,   &StationInfo::flagPath, &StationInfo::flagfile,
        &StationInfo::current,  &StationInfo::tfirst,  &StationInfo::tsecond};
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Row {
        std::array<Span, kFieldCount> texts;
        unsigned catid = 0;
    };

    std::wstring_view Text(std::size_t index, Field field) const {
        return View(rows_[index].texts[field]);
    }
    std::wstring_view View(Span span) const { return {texts_.data() + span.offset, span.length}; }
    Span Store(std::wstring_view text);

    std::wstring texts_;
    std::vector<Row> rows_;
    // Stored texts by their hash, while the table is filled.
    std::unordered_multimap<std::size_t, Span> stored_;
};

// The directory as its last refresh read it, shared by the main window and
// the panes that list or look up stations.
using StationList = std::shared_ptr<const StationTable>;

inline StationList MakeStationList(StationTable stations = {}) {
    return std::make_shared<const StationTable>(std::move(stations));
}
