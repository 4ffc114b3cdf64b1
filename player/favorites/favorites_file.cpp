#include "favorites_file.h"

#include "xml_document.h"

#include <array>
#include <optional>

namespace {

// In the order the file holds them; "@name" is the attribute.
constexpr std::array<const wchar_t*, 3> kChildren = {L"homepage", L"streamlink", L"banner"};

std::optional<FavoriteEntry> ReadStation(XmlNode& station) {
    auto name = SelectText(station, L"@name");
    auto homepage = SelectText(station, kChildren[0]);
    auto streamlink = SelectText(station, kChildren[1]);
    auto banner = SelectText(station, kChildren[2]);
    if (!name || !homepage || !streamlink || !banner) return std::nullopt;
    FavoriteEntry entry;
    entry.name = std::move(*name);
    entry.homepage = std::move(*homepage);
    entry.streamlink = std::move(*streamlink);
    entry.banner = std::move(*banner);
    return entry;
}

bool AppendStation(XmlDocument& document, XmlNode& root, const FavoriteEntry& entry) {
    auto station = document.CreateElement(L"station");
    auto name = document.CreateAttribute(L"name");
    if (!station || !name || !name->SetText(entry.name) || !station->AttachAttribute(*name))
        return false;
    const std::array<const std::wstring*, 3> texts = {&entry.homepage, &entry.streamlink,
                                                      &entry.banner};
    for (std::size_t i = 0; i < kChildren.size(); ++i) {
        if (!AppendTextElement(document, *station, kChildren[i], *texts[i])) return false;
    }
    return root.AppendChild(*station);
}

}  // namespace

bool LoadFavorites(const std::wstring& path, FavoritesList& list) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return false;
    auto stations = document->SelectNodes(L"root/station");
    if (!stations) return false;
    for (std::size_t i = 0; i < stations->Length(); ++i) {
        auto station = stations->Item(i);
        auto entry = station ? ReadStation(*station) : std::nullopt;
        if (!entry) return false;
        list.AppendFavorite(*entry);
    }
    return true;
}

bool SaveFavorites(const std::wstring& path, const FavoritesList& list) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(L"<root></root>")) return false;
    auto root = document->SelectSingle(L"/root");
    if (!root) return false;
    for (const auto& entry : list.Entries()) {
        if (!AppendStation(*document, *root, entry)) return false;
    }
    return document->Save(path);
}
