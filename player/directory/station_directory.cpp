#include "directory/station_directory.h"

#include "common/helpers/plain_file_name.h"
#include "common/ports/xml_document.h"
#include "common/ports/xml_element_texts.h"

#include <limits>
#include <optional>

namespace {

// A station's values, read in one walk over its attribute and children.
constexpr std::wstring_view kStationValues[] = {L"@name",   L"homepage", L"streamlink",
                                                L"banner",  L"current",  L"tfirst",
                                                L"tsecond", L"catid",    L"flagfile"};
enum StationValue { kName, kHomepage, kStreamlink, kBanner, kCurrent, kTfirst, kTsecond, kCatid,
                    kFlagfile };

// One station; nothing when a required value is missing.
std::optional<StationInfo> ReadStation(XmlNode& element, std::wstring_view appFolder) {
    auto values = SelectTexts(element, kStationValues);
    for (StationValue required : {kName, kHomepage, kStreamlink, kBanner, kFlagfile}) {
        if (!values[required]) return std::nullopt;
    }
    StationInfo station;
    station.name = std::move(*values[kName]);
    station.homepage = std::move(*values[kHomepage]);
    station.streamlink = std::move(*values[kStreamlink]);
    station.banner = std::move(*values[kBanner]);
    station.current = values[kCurrent].value_or(L"");
    station.tfirst = values[kTfirst].value_or(L"");
    station.tsecond = values[kTsecond].value_or(L"");
    station.catid = ParseCategoryMask(values[kCatid].value_or(L"0"));
    station.flagfile = std::move(*values[kFlagfile]);
    station.flagPath = FlagPathFor(appFolder, station.flagfile);
    return station;
}

// Adds the listed stations in order up to the first incomplete one (or one
// the table has no room for); false when there was one.
bool AddStations(XmlNodeList& elements, std::wstring_view appFolder, StationTable& stations) {
    const std::size_t count = elements.Length();
    stations.Reserve(count);
    for (std::size_t index = 0; index < count; ++index) {
        auto element = elements.Item(index);
        if (!element) return false;
        auto station = ReadStation(*element, appFolder);
        if (!station || !stations.Add(*station)) return false;
    }
    return true;
}

}  // namespace

std::wstring FlagPathFor(std::wstring_view appFolder, std::wstring_view flagfile) {
    if (!IsPlainFileName(flagfile)) return {};
    return std::wstring(appFolder) + kFlagsFolder + std::wstring(flagfile);
}

unsigned ParseCategoryMask(std::wstring_view text) {
    constexpr unsigned kLargest = std::numeric_limits<unsigned>::max();
    unsigned mask = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        const auto digit = static_cast<unsigned>(c - L'0');
        if (mask > (kLargest - digit) / 10) return 0;
        mask = mask * 10 + digit;
    }
    return mask;
}

bool ParseStations(std::wstring_view text, std::wstring_view appFolder, StationTable& stations) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(text)) return false;
    auto elements = document->SelectNodes(L"root/station");
    if (!elements) return false;
    stations.Clear();
    const bool whole = AddStations(*elements, appFolder, stations);
    stations.Compact();
    return whole;
}
