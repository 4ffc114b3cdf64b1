// The recordings folder on a real file system: what the list refresh sees,
// the next free name, and what the folder watcher posts.

#include "host/player_messages.h"
#include "recording/recorder/recording_files_win32.h"
#include "recording/recorder/recording_names.h"
#include "recording/recorder/recordings_watcher.h"
#include "tests/support/scratch_file.h"

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

// The watcher's posts to `window`, a window of this thread, within `ms`.
int PostsWithin(HWND window, DWORD ms) {
    int posts = 0;
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, window, WM_RECORDINGS_CHANGED, WM_RECORDINGS_CHANGED,
                            PM_REMOVE))
            ++posts;
        Sleep(10);
    }
    return posts;
}

TEST_F(RecordingsFolder, TheWatcherPostsNewNamesAtOnceAndWritesAtMostOnceASecond) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
    ASSERT_TRUE(window);
    RecordingsWatcher watcher;
    ASSERT_TRUE(watcher.Start(window, folder_));
    const HANDLE file = CreateFileW((folder_ + L"Recording001.wav").c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_GE(PostsWithin(window, 500), 1) << "a new file shows at once";

    // Three seconds of a recording's writes, eight blocks a second.
    const std::string block(22048, 'x');
    int posts = 0;
    for (int write = 0; write < 24; ++write) {
        DWORD written = 0;
        WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
        posts += PostsWithin(window, 125);
    }
    posts += PostsWithin(window, 1200);
    CloseHandle(file);
    watcher.Stop();
    DestroyWindow(window);
    EXPECT_GE(posts, 2) << "the growing size still shows";
    EXPECT_LE(posts, 5) << "each write was posted";
}

}  // namespace
