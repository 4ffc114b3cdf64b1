#include "playback/radio/stream_answer.h"

#include "playback/radio/adts_frame.h"
#include "playback/radio/mp3_frame.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cwctype>

namespace {

constexpr std::string_view kBlank = " \t\r";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::optional<unsigned> StatusOf(std::string_view line) {
    const std::string lower = Lower(line);
    if (!lower.starts_with("http/") && !lower.starts_with("icy ")) return std::nullopt;
    // A status line cut short before its code ("HTTP/" and nothing more) is
    // no answer, as a line without any code is.
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view rest = Trimmed(line.substr(space));
    unsigned status = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), status);
    if (error != std::errc() || end - rest.data() != 3) return std::nullopt;
    return status;
}

// The path of an address without its query, in lower case.
std::wstring LowerPath(std::wstring_view url) {
    std::wstring path(url.substr(0, url.find_first_of(L"?#")));
    for (wchar_t& c : path) c = static_cast<wchar_t>(std::towlower(c));
    return path;
}

constexpr std::array<std::string_view, 3> kPlsTypes{"audio/x-scpls", "audio/scpls",
                                                    "application/pls+xml"};
constexpr std::array<std::string_view, 4> kM3uTypes{
    "audio/x-mpegurl", "audio/mpegurl", "application/x-mpegurl", "application/vnd.apple.mpegurl"};
constexpr std::array<std::string_view, 3> kMp3Types{"audio/mpeg", "audio/mp3", "audio/x-mp3"};
constexpr std::array<std::string_view, 3> kAacTypes{"audio/aac", "audio/aacp", "audio/x-aac"};

// Headers in a row that make a format: one or two may be a false sync inside
// other audio, three hardly ever are.
constexpr std::size_t kFramesInARow = 3;

template <std::size_t N>
bool OneOf(const std::string& type, const std::array<std::string_view, N>& types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

std::optional<PlaylistFormat> PlaylistByType(const StreamAnswer& answer, std::wstring_view url) {
    if (OneOf(answer.contentType, kPlsTypes)) return PlaylistFormat::Pls;
    if (OneOf(answer.contentType, kM3uTypes)) return PlaylistFormat::M3u;
    const std::wstring path = LowerPath(url);
    if (path.ends_with(L".pls")) return PlaylistFormat::Pls;
    if (path.ends_with(L".m3u")) return PlaylistFormat::M3u;
    return std::nullopt;
}

}  // namespace

std::optional<StreamKind> SniffAudio(std::string_view audio) {
    const auto mp3 = FirstFrameRun(audio, kMp3Frames, kFramesInARow);
    const auto aac = FirstFrameRun(audio, kAdtsFrames, kFramesInARow);
    if (mp3 && (!aac || *mp3 < *aac)) return StreamKind::Mp3;
    if (aac) return StreamKind::Aac;
    return std::nullopt;
}

std::size_t MetaIntervalOf(std::string_view value) {
    value = Trimmed(value);
    std::size_t interval = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), interval);
    if (error != std::errc() || end != value.data() + value.size() || interval > kMaxMetaInterval)
        return 0;
    return interval;
}

std::optional<std::size_t> StreamAnswerHeadEnd(std::string_view bytes) {
    for (std::string_view mark : {std::string_view("\r\n\r\n"), std::string_view("\n\n")}) {
        const std::size_t at = bytes.find(mark);
        if (at != std::string_view::npos) return at + mark.size();
    }
    return std::nullopt;
}

std::optional<StreamAnswer> ReadStreamAnswerHead(std::string_view head) {
    const std::size_t lineEnd = std::min(head.find('\n'), head.size());
    const auto status = StatusOf(Trimmed(head.substr(0, lineEnd)));
    if (!status) return std::nullopt;
    StreamAnswer answer;
    answer.status = *status;
    head.remove_prefix(std::min(lineEnd + 1, head.size()));
    while (!head.empty()) {
        const std::size_t end = std::min(head.find('\n'), head.size());
        const std::string_view line = head.substr(0, end);
        head.remove_prefix(std::min(end + 1, head.size()));
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string name = Lower(Trimmed(line.substr(0, colon)));
        const std::string_view value = Trimmed(line.substr(colon + 1));
        if (name == "content-type") {
            answer.contentType = Lower(Trimmed(value.substr(0, value.find(';'))));
        } else if (name == "icy-metaint") {
            answer.metaInterval = MetaIntervalOf(value);
        }
    }
    return answer;
}

StreamKind KindOfStream(const StreamAnswer& answer, std::wstring_view url,
                        std::string_view firstBytes) {
    if (PlaylistByType(answer, url)) {
        // HLS uses the M3U form for something else: segments for the control.
        return firstBytes.find("#EXT-X-") == std::string_view::npos ? StreamKind::Playlist
                                                                    : StreamKind::Other;
    }
    const std::string& type = answer.contentType;
    const bool typeSaysNothing = type.empty() || type == "application/octet-stream";
    if (!typeSaysNothing && !OneOf(type, kMp3Types) && !OneOf(type, kAacTypes))
        return StreamKind::Other;
    if (const auto sniffed = SniffAudio(firstBytes)) return *sniffed;
    // Too few bytes yet to tell: the type decides, and the decoder finds the
    // frames as they come.
    if (OneOf(type, kMp3Types)) return StreamKind::Mp3;
    if (OneOf(type, kAacTypes)) return StreamKind::Aac;
    return StreamKind::Other;
}

PlaylistFormat PlaylistFormatOf(const StreamAnswer& answer, std::wstring_view url) {
    return PlaylistByType(answer, url).value_or(PlaylistFormat::M3u);
}
