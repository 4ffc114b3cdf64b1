// The workers that report to the main window: the refresh runner hands over
// a whole new list after WM_DIRECTORY_READY, and the now-playing fetcher
// reads a station's page through WinInet and reports WM_NOWPLAYING_READY.

#include "common/ports/registry_win32.h"
#include "common/ports/xml_document.h"
#include "directory/data_files_win32.h"
#include "directory/directory_refresh_runner.h"
#include "directory/http_client_wininet.h"
#include "directory/now_playing_fetcher.h"
#include "directory/worker_thread.h"
#include "host/player_messages.h"
#include "host/player_settings.h"
#include "tests/support/site_under_test.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr UINT kDone = WM_APP + 7;

// A window that only receives posted messages, as the main window would.
class MessageWindow {
public:
    MessageWindow()
        : window_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr)) {}
    ~MessageWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }

    // The wParam of the first such message within the time, if one came; its
    // lParam is kept in lastLParam.
    std::optional<WPARAM> WaitFor(UINT message, DWORD timeoutMs = 60000) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        for (;;) {
            MSG posted;
            if (PeekMessageW(&posted, window_, message, message, PM_REMOVE)) {
                lastLParam = posted.lParam;
                return posted.wParam;
            }
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) return std::nullopt;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                      QS_POSTMESSAGE);
        }
    }

    LPARAM lastLParam = 0;

private:
    HWND window_;  // owned
};

TEST(ReportingWorker, RunsOneJobAtATimeAndReportsItsResult) {
    MessageWindow window;
    ScopedHandle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ReportingWorker worker;
    EXPECT_FALSE(worker.IsRunning());
    ASSERT_TRUE(worker.Start(window.Get(), kDone, [&] {
        return WaitForSingleObject(release.Get(), 30000) == WAIT_OBJECT_0;
    }));
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_FALSE(worker.Start(window.Get(), kDone, [] { return true; }));
    SetEvent(release.Get());
    EXPECT_EQ(window.WaitFor(kDone), 1u);
    EXPECT_TRUE(worker.Wait(10000));

    ASSERT_TRUE(worker.Start(window.Get(), kDone, [] { return false; }));
    EXPECT_EQ(window.WaitFor(kDone), 0u);
    // An exception in a job is a failure, not the end of the program.
    ASSERT_TRUE(worker.Wait(10000));
    ASSERT_TRUE(worker.Start(window.Get(), kDone, []() -> bool { throw std::bad_alloc(); }));
    EXPECT_EQ(window.WaitFor(kDone), 0u);
}

TEST(ReportingWorker, TheJobHasComForTheXmlDocument) {
    MessageWindow window;
    ReportingWorker worker;
    ASSERT_TRUE(worker.Start(window.Get(), kDone, [] { return NewXmlDocument() != nullptr; }));
    EXPECT_EQ(window.WaitFor(kDone), 1u);
}

TEST(DirectoryRefreshRunner, HandsOverTheWholeListOfItsOwnRefreshOnly) {
    ASSERT_FALSE(SiteUrl().empty());
    Win32Registry registry;
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
    TestFolder folder(L"runner");
    MessageWindow window;
    DirectoryRefreshRunner runner({folder.Path(), SiteUrl()});
    StationTable stations;  // the list the window holds
    stations.Add({});
    LinksList links;
    EXPECT_EQ(runner.TakeDirectory(0, stations, links), DirectoryHandover::Stale);

    ASSERT_TRUE(runner.Start(window.Get(), false));
    EXPECT_EQ(window.WaitFor(WM_DIRECTORY_READY), 1u);
    const LPARAM first = window.lastLParam;
    // A second refresh starts while the first one's report is still queued:
    // that report no longer hands anything over, and never waits.
    ASSERT_TRUE(runner.Start(window.Get(), false));
    EXPECT_EQ(runner.TakeDirectory(first, stations, links), DirectoryHandover::Stale);
    EXPECT_EQ(stations.size(), 1u);
    EXPECT_EQ(window.WaitFor(WM_DIRECTORY_READY), 1u);
    EXPECT_NE(window.lastLParam, first);
    ASSERT_EQ(runner.TakeDirectory(window.lastLParam, stations, links), DirectoryHandover::NewList);
    ASSERT_EQ(stations.size(), 28u);
    EXPECT_EQ(stations.Name(27), L"Polder Pop");
    // The links file came with the directory and was read on the worker.
    ASSERT_GT(links.entries.size(), 2u);
    EXPECT_EQ(links.entries[2].target, L"::Favorites::");
    EXPECT_TRUE(Win32DataFiles().Exists(folder.Path() + L"Flags\\pl.bmp"));
    EXPECT_EQ(runner.TakeDirectory(window.lastLParam, stations, links), DirectoryHandover::Stale);

    // A refresh that fails after reading the directory still hands it over.
    DeleteFileW((folder.Path() + L"Flags\\pl.bmp").c_str());
    DirectoryRefreshRunner broken({folder.Path(), NothingListensUrl()});
    ASSERT_TRUE(broken.Start(window.Get(), true));
    EXPECT_EQ(window.WaitFor(WM_DIRECTORY_READY), 0u);
    stations.Clear();
    EXPECT_EQ(broken.TakeDirectory(window.lastLParam, stations, links), DirectoryHandover::NewList);
    EXPECT_EQ(stations.size(), 28u);

    // One that cannot read it leaves the list held as it was.
    DeleteFileW((folder.Path() + L"radio_pal_stations.xml").c_str());
    ASSERT_TRUE(broken.Start(window.Get(), true));
    EXPECT_EQ(window.WaitFor(WM_DIRECTORY_READY), 0u);
    EXPECT_EQ(broken.TakeDirectory(window.lastLParam, stations, links),
              DirectoryHandover::Unchanged);
    EXPECT_EQ(stations.size(), 28u);
    EXPECT_EQ(links.entries[2].target, L"::Favorites::") << "the links file is still there";
    registry.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
}

TEST(NowPlayingFetcher, ReportsATitleReadFromTheStationsPage) {
    ASSERT_FALSE(SiteUrl().empty());
    MessageWindow window;
    auto nowPlaying = std::make_shared<NowPlaying>();
    NowPlayingFetcher fetcher(nowPlaying);
    EXPECT_FALSE(fetcher.IsRunning());

    nowPlaying->SetSource({SiteUrl() + L"nowplaying/klassiek.html", L"On air:", L"<br>"});
    ASSERT_TRUE(fetcher.Start(window.Get()));
    EXPECT_EQ(window.WaitFor(WM_NOWPLAYING_READY), 1u);
    EXPECT_FALSE(fetcher.IsRunning());
    EXPECT_EQ(nowPlaying->Title(), L"J.S. Bach - Air");

    nowPlaying->SetSource(
        {SiteUrl() + L"nowplaying/lindeboom.html", L"<td class=\"song\">", L"</td>"});
    ASSERT_TRUE(fetcher.Start(window.Get()));
    EXPECT_EQ(window.WaitFor(WM_NOWPLAYING_READY), 1u);
    EXPECT_EQ(nowPlaying->Title(), L"De Kades - Zomeravond");

    // A page that fails, and a station without a source, leave the title.
    nowPlaying->SetSource(
        {SiteUrl() + L"status/500/nowplaying/lindeboom.html", L"<td class=\"song\">", L"</td>"});
    ASSERT_TRUE(fetcher.Start(window.Get()));
    EXPECT_EQ(window.WaitFor(WM_NOWPLAYING_READY), 0u);
    nowPlaying->SetSource({});
    ASSERT_TRUE(fetcher.Start(window.Get()));
    EXPECT_EQ(window.WaitFor(WM_NOWPLAYING_READY), 0u);
    EXPECT_EQ(nowPlaying->Title(), L"De Kades - Zomeravond");
}

// The page never answers, so a tick that waited for its fetch would not
// return while that fetch still runs.
TEST(NowPlayingFetcher, ATickWhileAFetchStallsSkipsWithoutWaiting) {
    ASSERT_FALSE(SiteUrl().empty());
    MessageWindow window;
    auto nowPlaying = std::make_shared<NowPlaying>();
    NowPlayingFetcher fetcher(nowPlaying);
    nowPlaying->SetSource({SiteUrl() + L"stall/nowplaying/klassiek.html", L"On air:", L"<br>"});
    ASSERT_TRUE(fetcher.StartUnlessRunning(window.Get()));
    EXPECT_TRUE(fetcher.IsRunning());
    EXPECT_FALSE(fetcher.StartUnlessRunning(window.Get()));
    EXPECT_TRUE(fetcher.IsRunning());
    EXPECT_FALSE(window.WaitFor(WM_NOWPLAYING_READY, 0));
}

}  // namespace
