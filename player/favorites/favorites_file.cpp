#include "favorites/favorites_file.h"

#include "common/ports/file_replace.h"
#include "common/ports/xml_document.h"
#include "common/ports/xml_element_texts.h"

#include <array>
#include <filesystem>
#include <optional>

namespace {

// In the order the file holds them; "@name" is the attribute.
constexpr std::array<std::wstring_view, 3> kChildren = {L"homepage", L"streamlink", L"banner"};

std::optional<FavoriteEntry> ReadStation(XmlNode& station) {
    constexpr std::wstring_view kValues[] = {L"@name", kChildren[0], kChildren[1], kChildren[2]};
    auto values = SelectTexts(station, kValues);
    for (const auto& value : values) {
        if (!value) return std::nullopt;
    }
    FavoriteEntry entry;
    entry.name = std::move(*values[0]);
    entry.homepage = std::move(*values[1]);
    entry.streamlink = std::move(*values[2]);
    entry.banner = std::move(*values[3]);
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

bool LoadFavoritesSettingAsideBroken(const std::wstring& path, FavoritesList& list) {
    FinishInterruptedReplace(path);
    if (LoadFavorites(path, list)) return true;
    const std::filesystem::path file(path);
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error) return true;
    // Setup makes the file empty; there is nothing in it to keep.
    if (std::filesystem::file_size(file, error) == 0 && !error) return true;
    // Copied, not moved: the file must stay, since its users may change it
    // but not make it again.
    MakeSavingFolder(path);
    return std::filesystem::copy_file(file, std::filesystem::path(SetAsideName(path)),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

bool SaveFavorites(const std::wstring& path, const FavoritesList& list) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(L"<root></root>")) return false;
    auto root = document->SelectSingle(L"/root");
    if (!root) return false;
    for (const auto& entry : list.Entries()) {
        if (!AppendStation(*document, *root, entry)) return false;
    }
    const std::wstring replacement = ReplacementName(path);
    return document->Save(replacement) && ReplaceFileWith(replacement, path);
}
