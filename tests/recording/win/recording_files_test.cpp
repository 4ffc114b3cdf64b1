// The recordings folder on a real file system: what the list refresh sees
// and the next free name.

#include "recording_files_win32.h"
#include "recording_names.h"
#include "scratch_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>

namespace {

class RecordingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(std::filesystem::path(folder_));
        std::filesystem::create_directories(std::filesystem::path(folder_ + L"Sub"));
    }
    void TearDown() override { std::filesystem::remove_all(std::filesystem::path(folder_)); }

    std::wstring folder_ = ScratchFile(L"recordings") + L"\\";
};

TEST_F(RecordingsFolder, ListsFilesAndSubfoldersWithSizeAndLocalCreationTime) {
    WriteBytes(folder_ + L"Recording001.mp3", std::string(3000, 'x'));
    SYSTEMTIME now{};
    GetLocalTime(&now);

    auto entries = ListFolderEntries(folder_);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, L"Recording001.mp3");
    EXPECT_EQ(entries[0].size, 3000u);
    EXPECT_EQ(entries[0].created.year, now.wYear);
    EXPECT_EQ(entries[0].created.day, now.wDay);
    EXPECT_EQ(entries[1].name, L"Sub");
    EXPECT_TRUE(ListFolderEntries(folder_ + L"missing\\").empty());
}

TEST_F(RecordingsFolder, TheNextFreeNameSkipsBothFormats) {
    WriteBytes(folder_ + L"Recording001.mp3", "");
    WriteBytes(folder_ + L"Recording002.wav", "");
    EXPECT_EQ(NextFreeRecordingName(folder_, RecordingFileExists), L"Recording003");
}

}  // namespace
