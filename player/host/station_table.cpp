#include "host/station_table.h"

#include <cassert>
#include <functional>
#include <limits>

StationInfo StationTable::operator[](std::size_t index) const {
    const Row& row = rows_[index];
    const auto text = [&](Field field) { return std::wstring(View(row.texts[field])); };
    StationInfo station;
    station.name = text(kName);
    station.homepage = text(kHomepage);
    station.streamlink = text(kStreamlink);
    station.banner = text(kBanner);
    station.flagPath = text(kFlagPath);
    station.flagfile = text(kFlagfile);
    station.current = text(kCurrent);
    station.tfirst = text(kTfirst);
    station.tsecond = text(kTsecond);
    station.catid = row.catid;
    return station;
}

void StationTable::Add(const StationInfo& station) {
    Row row;
    row.texts[kName] = Store(station.name);
    row.texts[kHomepage] = Store(station.homepage);
    row.texts[kStreamlink] = Store(station.streamlink);
    row.texts[kBanner] = Store(station.banner);
    row.texts[kFlagPath] = Store(station.flagPath);
    row.texts[kFlagfile] = Store(station.flagfile);
    row.texts[kCurrent] = Store(station.current);
    row.texts[kTfirst] = Store(station.tfirst);
    row.texts[kTsecond] = Store(station.tsecond);
    row.catid = station.catid;
    rows_.push_back(row);
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
    // Texts come from a directory read whole into memory, far below 4 G
    // characters; the offsets hold that much.
    assert(texts_.size() + text.size() <= std::numeric_limits<std::uint32_t>::max());
    const Span span{static_cast<std::uint32_t>(texts_.size()),
                    static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
    stored_.emplace(hash, span);
    return span;
}
