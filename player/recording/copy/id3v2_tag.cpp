#include "recording/copy/id3v2_tag.h"

#include <cstdint>

namespace {

constexpr std::wstring_view kArtistSeparator = L" - ";
constexpr char kUtf16WithBom = 1;

void AppendBigEndian(std::string& out, std::uint32_t value, int shift) {
    for (int byte = 3; byte >= 0; --byte)
        out += static_cast<char>((value >> (byte * shift)) & ((1u << shift) - 1));
}

void AppendUtf16Unit(std::string& out, std::uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

// Little-endian UTF-16 after its byte-order mark; wide texts are UTF-16 on
// Windows and whole code points elsewhere.
std::string Utf16Text(std::wstring_view text) {
    std::string out = "\xFF\xFE";
    for (const wchar_t c : text) {
        const auto point = static_cast<std::uint32_t>(c);
        if (point > 0xFFFF) {
            AppendUtf16Unit(out, 0xD800 + ((point - 0x10000) >> 10));
            AppendUtf16Unit(out, 0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Unit(out, point);
        }
    }
    return out;
}

void AppendTextFrame(std::string& frames, const char (&id)[5], std::wstring_view text) {
    if (text.empty()) return;
    const std::string body = kUtf16WithBom + Utf16Text(text);
    frames.append(id, 4);
    AppendBigEndian(frames, static_cast<std::uint32_t>(body.size()), 8);
    frames.append(2, '\0');  // no frame flags
    frames += body;
}

}  // namespace

TrackTags TrackTagsOf(std::wstring_view streamTitle, std::wstring_view station) {
    TrackTags tags;
    tags.station = station;
    const std::size_t separator = streamTitle.find(kArtistSeparator);
    if (separator == std::wstring_view::npos) {
        tags.title = streamTitle;
    } else {
        tags.artist = streamTitle.substr(0, separator);
        tags.title = streamTitle.substr(separator + kArtistSeparator.size());
    }
    return tags;
}

std::string Id3v2Tag(const TrackTags& tags) {
    std::string frames;
    AppendTextFrame(frames, "TIT2", tags.title);
    AppendTextFrame(frames, "TPE1", tags.artist);
    AppendTextFrame(frames, "TRSN", tags.station);
    if (frames.empty()) return {};
    std::string tag = "ID3";
    tag += '\x03';  // version 2.3.0
    tag += '\x00';
    tag += '\x00';  // no flags
    // The tag's size counts seven bits a byte, so no byte looks like the
    // start of an MP3 frame.
    AppendBigEndian(tag, static_cast<std::uint32_t>(frames.size()), 7);
    return tag + frames;
}
