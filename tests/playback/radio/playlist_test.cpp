// Playlists come from the network: only web addresses are taken, in order,
// within the size and count limits.

#include "playback/radio/playlist.h"

#include <gtest/gtest.h>

namespace {

TEST(Playlist, PlsEntriesInTheOrderOfTheirNumbers) {
    const std::string pls =
        "[playlist]\r\nNumberOfEntries=4\r\nFile2=http://b.example/live\r\n"
        "Title2=B\r\nfile1 = HTTPS://a.example/live\r\nFile3=file:///C:/Windows/x.exe\r\n"
        "File10=http://c.example/\r\nFileX=http://d.example/\r\nVersion=2\r\n";
    EXPECT_EQ(ReadPlaylist(PlaylistFormat::Pls, pls),
              (std::vector<std::wstring>{L"HTTPS://a.example/live", L"http://b.example/live",
                                         L"http://c.example/"}));
}

TEST(Playlist, M3uLinesSkipCommentsAndOtherSchemes) {
    const std::string m3u =
        "#EXTM3U\n#EXTINF:-1,One\nhttp://a.example/one\n\n  http://b.example/two  \r\n"
        "\\\\server\\share\\x.mp3\nmms://c.example/\nrelative.mp3\n";
    EXPECT_EQ(ReadPlaylist(PlaylistFormat::M3u, m3u),
              (std::vector<std::wstring>{L"http://a.example/one", L"http://b.example/two"}));
}

TEST(Playlist, IsBoundedInSizeAndEntries) {
    std::string many;
    for (int i = 0; i < 80; ++i) many += "http://example/" + std::to_string(i) + "\n";
    const auto entries = ReadPlaylist(PlaylistFormat::M3u, many);
    ASSERT_EQ(entries.size(), kMaxPlaylistEntries);
    EXPECT_EQ(entries.back(), L"http://example/49");

    std::string huge = "http://example/\n";
    huge.resize(kMaxPlaylistBytes + 1, '#');
    EXPECT_TRUE(ReadPlaylist(PlaylistFormat::M3u, huge).empty());
}

}  // namespace
