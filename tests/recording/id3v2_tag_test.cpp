// The tags of copied tracks as another program reads them: Debian's mutagen.

#include "recording/copy/id3v2_tag.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ReadWithMutagen(const std::filesystem::path& file) {
    const std::string command =
        "/usr/bin/python3 -c 'import sys, mutagen.id3 as m; t = m.ID3(sys.argv[1]); "
        "print(t.version); [print(k, \"=\", t[k].text[0]) for k in sorted(t.keys())]' '" +
        file.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

std::filesystem::path WriteTrack(const std::string& name, const std::string& tag) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << tag << std::string(417, '\x55');
    return path;
}

TEST(Id3v2Tag, MutagenReadsTitleArtistAndStation) {
    const auto tags = TrackTagsOf(L"Lounge Trio - Caf\u00e9 Nocturne - Live \U0001F3B5",
                                  L"Velmora Live");
    EXPECT_EQ(tags.artist, L"Lounge Trio");
    const auto path = WriteTrack("velmora-id3-full.mp3", Id3v2Tag(tags));
    EXPECT_EQ(ReadWithMutagen(path),
              "(2, 3, 0)\n"
              "TIT2 = Caf\xC3\xA9 Nocturne - Live \xF0\x9F\x8E\xB5\n"
              "TPE1 = Lounge Trio\n"
              "TRSN = Velmora Live\n");
    std::filesystem::remove(path);
}

TEST(Id3v2Tag, ATitleWithoutArtistAndNoStation) {
    const auto path = WriteTrack("velmora-id3-title.mp3", Id3v2Tag(TrackTagsOf(L"News", L"")));
    EXPECT_EQ(ReadWithMutagen(path), "(2, 3, 0)\nTIT2 = News\n");
    std::filesystem::remove(path);
    EXPECT_EQ(Id3v2Tag(TrackTagsOf(L"", L"")), "");
}

}  // namespace
