#include "station_directory.h"

#include "plain_file_name.h"
#include "xml_document.h"

#include <optional>

namespace {

std::wstring OptionalText(XmlNode& station, std::wstring_view path) {
    return SelectText(station, path).value_or(L"");
}

// One station; nothing when a required value is missing.
std::optional<StationInfo> ReadStation(XmlNode& element, std::wstring_view appFolder) {
    StationInfo station;
    for (auto [path, field] : {std::pair{L"@name", &station.name},
                               std::pair{L"homepage", &station.homepage},
                               std::pair{L"streamlink", &station.streamlink},
                               std::pair{L"banner", &station.banner}}) {
        auto text = SelectText(element, path);
        if (!text) return std::nullopt;
        *field = std::move(*text);
    }
    station.current = OptionalText(element, L"current");
    station.tfirst = OptionalText(element, L"tfirst");
    station.tsecond = OptionalText(element, L"tsecond");
    station.catid = ParseCategoryMask(SelectText(element, L"catid").value_or(L"0"));
    auto flagfile = SelectText(element, L"flagfile");
    if (!flagfile) return std::nullopt;
    station.flagfile = std::move(*flagfile);
    station.flagPath = FlagPathFor(appFolder, station.flagfile);
    return station;
}

}  // namespace

std::wstring FlagPathFor(std::wstring_view appFolder, std::wstring_view flagfile) {
    if (!IsPlainFileName(flagfile)) return {};
    return std::wstring(appFolder) + kFlagsFolder + std::wstring(flagfile);
}

unsigned ParseCategoryMask(std::wstring_view text) {
    unsigned mask = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        mask = mask * 10 + static_cast<unsigned>(c - L'0');
    }
    return mask;
}

bool ParseStations(std::wstring_view text, std::wstring_view appFolder,
                   std::vector<StationInfo>& stations) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(text)) return false;
    auto elements = document->SelectNodes(L"root/station");
    if (!elements) return false;
    const std::size_t count = elements->Length();
    stations.clear();
    for (std::size_t index = 0; index < count; ++index) {
        auto element = elements->Item(index);
        if (!element) return false;
        auto station = ReadStation(*element, appFolder);
        if (!station) return false;
        stations.push_back(std::move(*station));
    }
    return true;
}
