#include "host/station_table.h"

#include <functional>
#include <limits>

StationInfo StationTable::operator[](std::size_t index) const {
    const Row& row = rows_[index];
    StationInfo station;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        station.*kFieldTexts[field] = std::wstring(View(row.texts[field]));
    }
    station.catid = row.catid;
    return station;
}

bool StationTable::Add(const StationInfo& station) {
    std::size_t added = 0;
    for (const auto text : kFieldTexts) added += (station.*text).size();
    if (added > std::numeric_limits<std::uint32_t>::max() - texts_.size()) return false;
    Row row;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        row.texts[field] = Store(station.*kFieldTexts[field]);
    }
    row.catid = station.catid;
    rows_.push_back(row);
    return true;
}

void StationTable::Clear() {
    texts_.clear();
    rows_.clear();
    stored_.clear();
}

void StationTable::Compact() {
    stored_ = {};
    texts_.shrink_to_fit();
    rows_.shrink_to_fit();
}

StationTable::Span StationTable::Store(std::wstring_view text) {
    const std::size_t hash = std::hash<std::wstring_view>{}(text);
    const auto [first, last] = stored_.equal_range(hash);
    for (auto found = first; found != last; ++found) {
        if (View(found->second) == text) return found->second;
    }
    const Span span{static_cast<std::uint32_t>(texts_.size()),
                    static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
    stored_.emplace(hash, span);
    return span;
}
