// Only one player runs: a second start raises the first and ends.

#include "shell/orvane_app.h"
#include "tests/support/player_process.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

bool BecomesVisible(HWND window) {
    for (int i = 0; i < 50 && !IsWindowVisible(window); ++i) Sleep(100);
    return IsWindowVisible(window);
}

// Closes the first player however a test ends.
struct RunningPlayer {
    ScopedHandle process;
    HWND window = nullptr;
    ~RunningPlayer() {
        if (window) PostMessageW(window, WM_CLOSE, 0, 0);
        if (process) WaitForExit(process.Get());
    }
};

TEST(SingleInstance, SecondStartRaisesTheHiddenFirstWindowAndEnds) {
    PlayerCopy player(L"single");
    RunningPlayer first{player.Start(L"")};
    ASSERT_TRUE(first.process);
    first.window = WaitForWindow(kMainWindowTitle);
    ASSERT_NE(first.window, nullptr);
    ShowWindow(first.window, SW_HIDE);  // as when it sits in the tray
    ASSERT_FALSE(IsWindowVisible(first.window));

    EXPECT_EQ(player.RunAndWait(L""), 0u);
    EXPECT_TRUE(BecomesVisible(first.window));
    EXPECT_EQ(CountTopLevelWindows(kMainWindowTitle), 1);

    PostMessageW(first.window, WM_CLOSE, 0, 0);
    first.window = nullptr;
    EXPECT_EQ(WaitForExit(first.process.Get()), 0u);
}

// Temporary files of killed downloads go, beside their targets (where older
// versions wrote them) and in the "Saving" folders. A download killed while
// it was being copied into its file is copied again.
TEST(SingleInstance, ThePlayerThatRunsFirstTidiesUpAfterKilledDownloads) {
    PlayerCopy player(L"leftovers");
    const std::wstring& folder = player.Folder();
    for (const wchar_t* name : {L"Flags", L"Saving", L"Flags\\Saving"})
        CreateDirectoryW((folder + name).c_str(), nullptr);
    const std::wstring leftovers[] = {folder + L"vrd3C.tmp", folder + L"Flags\\VRDA0.TMP",
                                      folder + L"Saving\\vrd3D.tmp",
                                      folder + L"Flags\\Saving\\vrdA1.tmp"};
    for (const auto& leftover : leftovers) WriteBytes(leftover, "<root><sta");
    const std::string links = "<root><link>Ticker</link></root>";
    const std::string cutShort = links.substr(0, 10);
    WriteBytes(folder + L"Saving\\links.xml", links);
    WriteBytes(folder + L"links.xml", cutShort);

    RunningPlayer running{player.Start(L"")};
    ASSERT_TRUE(running.process);
    running.window = WaitForWindow(kMainWindowTitle);
    ASSERT_NE(running.window, nullptr);
    for (const auto& leftover : leftovers) {
        EXPECT_FALSE(FileExists(leftover)) << std::filesystem::path(leftover);
    }
    // (A site on the default address may have sent its own links since.)
    EXPECT_FALSE(FileExists(folder + L"Saving\\links.xml"));
    EXPECT_NE(ReadBytes(folder + L"links.xml"), cutShort);
}

TEST(SingleInstance, AWindowWithThePlayersTitleAloneAlsoKeepsASecondPlayerOut) {
    HWND impostor = CreateWindowExW(0, L"STATIC", kMainWindowTitle, WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(impostor, nullptr);
    PlayerCopy player(L"impostor");
    EXPECT_EQ(player.RunAndWait(L""), 0u);
    EXPECT_EQ(CountTopLevelWindows(kMainWindowTitle), 1);
    DestroyWindow(impostor);
}

}  // namespace

