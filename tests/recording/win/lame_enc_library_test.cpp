// Loading the encoder library the way the recorder does, against fake
// libraries built beside the test with different sets of entry points.

#include "common/ports/app_folder.h"
#include "recording/files/lame_enc_library.h"
#include "recording/files/mp3_file_encoder.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::string ReadAll(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Chunk(const char* tag, std::uint32_t count) {
    std::string bytes(tag, 4);
    for (int i = 0; i < 4; ++i) bytes.push_back(char(count >> (8 * i) & 0xFF));
    return bytes;
}

TEST(LameEncLibrary, WithoutTheLibraryNothingCanBeEncoded) {
    EXPECT_FALSE(IsEncoderAvailable(LameEncLoader()));
    Mp3FileEncoder encoder(LameEncLoader());
    EXPECT_FALSE(encoder.Open(ScratchFile(L"missing-library.mp3"), 44100, 2));
}

// A library in the current folder, as opening a file from a download folder
// would make it, is never taken, though it loads well by its full path.
TEST(LameEncLibrary, OnlyTheProgramsFolderIsSearched) {
    const std::filesystem::path elsewhere = ScratchFolder() / L"current-folder";
    const std::filesystem::path planted = elsewhere / L"elsewhere_lame_enc.dll";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::copy_file(GetAppFolder() + L"fake_lame_enc.dll", planted,
                               std::filesystem::copy_options::overwrite_existing);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere);
    EXPECT_TRUE(IsEncoderAvailable([&] { return LoadBladeEncLibrary(planted.wstring()); }));
    EXPECT_FALSE(IsEncoderAvailable(LameEncLoader(L"elsewhere_lame_enc.dll")));
    std::filesystem::current_path(before);
}

TEST(LameEncLibrary, TheInfoTagEntryIsOptionalTheVersionEntryIsNot) {
    EXPECT_TRUE(IsEncoderAvailable(LameEncLoader(L"fake_lame_enc.dll")));
    EXPECT_TRUE(IsEncoderAvailable(LameEncLoader(L"fake_lame_enc_no_info_tag.dll")));
    EXPECT_FALSE(IsEncoderAvailable(LameEncLoader(L"fake_lame_enc_no_version.dll")));
    Mp3FileEncoder refused(LameEncLoader(L"fake_lame_enc_no_version.dll"));
    EXPECT_FALSE(refused.Open(ScratchFile(L"no-version.mp3"), 44100, 2));
}

TEST(LameEncLibrary, EncodesThroughTheLibraryInWholeChunks) {
    const std::wstring path = ScratchFile(L"fake-encoded.mp3");
    {
        Mp3FileEncoder encoder(LameEncLoader(L"fake_lame_enc_no_info_tag.dll"));
        ASSERT_TRUE(encoder.Open(path, 44100, 2));
        const std::vector<std::uint8_t> block(2304 * 2 + 2, 0);
        EXPECT_TRUE(encoder.Encode(block.data(), block.size()));
        encoder.Close();
    }
    EXPECT_EQ(ReadAll(path), Chunk("FAKE", 2304) + Chunk("FAKE", 1) + Chunk("DONE", 0));
    std::filesystem::remove(std::filesystem::path(path));
}

}  // namespace
