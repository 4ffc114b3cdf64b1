// PLS and M3U playlists from a station: bounded, and only web addresses come
// out of them.

#include "common/helpers/web_url.h"
#include "playback/radio/playlist.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = BytesOf(data, size);
    for (PlaylistFormat format : {PlaylistFormat::Pls, PlaylistFormat::M3u}) {
        const std::vector<std::wstring> entries = ReadPlaylist(format, text);
        Require(entries.size() <= kMaxPlaylistEntries);
        for (const std::wstring& entry : entries) Require(IsWebUrl(entry));
    }
    return 0;
}
