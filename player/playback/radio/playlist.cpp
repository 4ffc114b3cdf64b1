#include "playback/radio/playlist.h"

#include "common/helpers/text_case.h"
#include "common/helpers/web_url.h"
#include "common/helpers/windows_1252.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

template <typename EachLine>
void ForEachLine(std::string_view text, EachLine each) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        each(Trimmed(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

// "File12" gives 12; anything else nothing.
std::optional<unsigned> PlsFileNumber(std::string_view key) {
    if (key.size() <= 4 || LowerCase(Windows1252ToWide(key.substr(0, 4))) != L"file") return {};
    unsigned number = 0;
    const auto digits = key.substr(4);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return {};
    return number;
}

std::vector<std::string_view> PlsAddresses(std::string_view text) {
    std::map<unsigned, std::string_view> byNumber;
    ForEachLine(text, [&](std::string_view line) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return;
        const auto number = PlsFileNumber(Trimmed(line.substr(0, equals)));
        if (number) byNumber.emplace(*number, Trimmed(line.substr(equals + 1)));
    });
    std::vector<std::string_view> addresses;
    for (const auto& [number, address] : byNumber) addresses.push_back(address);
    return addresses;
}

std::vector<std::string_view> M3uAddresses(std::string_view text) {
    std::vector<std::string_view> addresses;
    ForEachLine(text, [&](std::string_view line) {
        if (!line.empty() && line.front() != '#') addresses.push_back(line);
    });
    return addresses;
}

}  // namespace

std::vector<std::wstring> ReadPlaylist(PlaylistFormat format, std::string_view text) {
    std::vector<std::wstring> entries;
    if (text.size() > kMaxPlaylistBytes) return entries;
    const auto addresses = format == PlaylistFormat::Pls ? PlsAddresses(text) : M3uAddresses(text);
    for (std::string_view address : addresses) {
        if (entries.size() == kMaxPlaylistEntries) break;
        std::wstring entry = Windows1252ToWide(address);
        if (IsWebUrl(entry)) entries.push_back(std::move(entry));
    }
    return entries;
}
