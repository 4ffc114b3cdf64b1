// The directory refresh with the real downloads (WinInet), files, registry
// and MSXML, against the demo site served on loopback.

#include "common/ports/clock_win32.h"
#include "common/ports/registry_win32.h"
#include "directory/data_files_win32.h"
#include "directory/directory_refresh.h"
#include "directory/http_client_wininet.h"
#include "host/player_settings.h"
#include "tests/support/site_under_test.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

class DirectoryRefreshWine : public ::testing::Test {
protected:
    void SetUp() override {
        registry_.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
        ASSERT_FALSE(SiteUrl().empty()) << "VELMORA_TEST_SITE_PORT is not set";
    }
    void TearDown() override { registry_.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey); }

    bool Refresh(const std::wstring& siteUrl, bool forced = false) {
        DirectoryRefreshResult result = RefreshDirectory(
            {folder_.Path(), siteUrl}, {downloads_, files_, registry_, clock_}, forced);
        stations_ = std::move(result.stations).value_or(StationTable{});
        return result.succeeded;
    }

    std::optional<std::string> Local(const wchar_t* name) {
        return files_.Read(folder_.Path() + name);
    }
    std::optional<std::wstring> LastLaunch() { return ReadLastLaunch(registry_); }
    std::wstring Today() { return FormatLastLaunch(clock_.Now()); }

    TestFolder folder_{L"refresh"};
    WinInetHttpClient http_;
    Win32DataFiles files_;
    Downloader downloads_{http_, files_};
    Win32Registry registry_;
    SystemClock clock_;
    StationTable stations_;
};

TEST_F(DirectoryRefreshWine, TheFirstRefreshDownloadsBothFilesAndTheFlags) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    ASSERT_EQ(stations_.size(), 28u);
    EXPECT_EQ(stations_[0].name, L"Harbour FM");
    EXPECT_EQ(stations_[0].streamlink, SiteUrl() + L"radio/harbour.mp3");
    EXPECT_EQ(stations_[0].flagPath, folder_.Path() + L"Flags\\nl.bmp");
    // The directory's bytes are ANSI text; character references work too.
    EXPECT_EQ(stations_[6].name, L"Caf\u00e9 Paris Oldies");
    EXPECT_EQ(stations_[14].name, L"Wis\u0142a Hits");
    EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
    EXPECT_EQ(Local(L"links.xml"), SiteFile(L"links.xml"));
    for (const wchar_t* flag : {L"nl.bmp", L"be.bmp", L"de.bmp", L"at.bmp", L"fr.bmp",
                                L"it.bmp", L"ie.bmp", L"dk.bmp", L"se.bmp", L"no.bmp",
                                L"ch.bmp", L"pl.bmp"}) {
        const auto bitmap = files_.Read(folder_.Path() + L"Flags\\" + flag);
        ASSERT_TRUE(bitmap) << flag;
        EXPECT_EQ(bitmap->size(), 1350u) << flag;
    }
    EXPECT_EQ(LastLaunch(), Today());
    // Nothing is left behind from the downloads.
    EXPECT_EQ(folder_.FileNames(), (std::set<std::wstring>{L"Flags", L"Saving", L"links.xml",
                                                           L"radio_pal_stations.xml"}));
}

TEST_F(DirectoryRefreshWine, ASecondRefreshTheSameDayDownloadsNothingAForcedOneDoes) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    const std::string marker =
        "<root><station name=\"Marker\"><homepage>h</homepage><streamlink>s</streamlink>"
        "<banner>b</banner><flagfile>nl.bmp</flagfile></station></root>";
    WriteBytes(folder_.Path() + L"radio_pal_stations.xml", marker);

    ASSERT_TRUE(Refresh(SiteUrl()));
    ASSERT_EQ(stations_.size(), 1u);
    EXPECT_EQ(stations_[0].name, L"Marker");
    EXPECT_EQ(Local(L"radio_pal_stations.xml"), marker);

    ASSERT_TRUE(Refresh(SiteUrl(), true));
    EXPECT_EQ(stations_.size(), 28u);
    EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
}

TEST_F(DirectoryRefreshWine, WithTheServerDownTheLocalFilesServeAndLastLaunchWaits) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    WriteLastLaunch(registry_, {2006, 3, 7});
    ASSERT_TRUE(Refresh(NothingListensUrl()));
    EXPECT_EQ(stations_.size(), 28u);
    EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
    EXPECT_EQ(LastLaunch(), L"2006:3:7");
}

TEST_F(DirectoryRefreshWine, AnErrorStatusOrACutAnswerKeepsThePreviousFiles) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    for (const wchar_t* fault : {L"status/500/", L"status/404/", L"close-early/"}) {
        SCOPED_TRACE(fault);
        WriteLastLaunch(registry_, {2006, 3, 7});
        ASSERT_TRUE(Refresh(SiteUrl() + fault));
        EXPECT_EQ(stations_.size(), 28u);
        EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
        EXPECT_EQ(Local(L"links.xml"), SiteFile(L"links.xml"));
        EXPECT_EQ(LastLaunch(), L"2006:3:7");
    }
    EXPECT_EQ(folder_.FileNames(), (std::set<std::wstring>{L"Flags", L"Saving", L"links.xml",
                                                           L"radio_pal_stations.xml"}));
}

TEST_F(DirectoryRefreshWine, AMissingFlagFailsTheRefreshWithoutLastLaunch) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    WriteLastLaunch(registry_, {2006, 3, 7});
    DeleteFileW((folder_.Path() + L"Flags\\se.bmp").c_str());
    EXPECT_FALSE(Refresh(SiteUrl() + L"status/404/"));
    EXPECT_EQ(stations_.size(), 28u);
    EXPECT_FALSE(files_.Exists(folder_.Path() + L"Flags\\se.bmp"));
    EXPECT_EQ(LastLaunch(), L"2006:3:7");
}

TEST_F(DirectoryRefreshWine, FlagNamesThatLeaveTheFlagsFolderWriteNothing) {
    // A site that answers 200 to everything would fill whatever path it got.
    const std::wstring answersAll = SiteUrl() + L"status/200/";
    const std::string links = "<root><link name=\"Mine\">http://mine/</link></root>";
    WriteBytes(folder_.Path() + L"links.xml", links);
    std::string directory = "<root>";
    for (const char* flag : {"..\\links.xml", "../links.xml", "C:\\velmora-evil.bmp", "NUL.bmp",
                             "nl.bmp"}) {
        directory += "<station name=\"S\"><homepage>h</homepage><streamlink>s</streamlink>"
                     "<banner>b</banner><flagfile>" + std::string(flag) + "</flagfile></station>";
    }
    WriteBytes(folder_.Path() + L"radio_pal_stations.xml", directory + "</root>");
    WriteLastLaunch(registry_, clock_.Now());

    // Its answer is a small page, not a bitmap: not even the safe name keeps it.
    EXPECT_FALSE(Refresh(answersAll));
    EXPECT_EQ(stations_.size(), 5u);
    EXPECT_EQ(Local(L"links.xml"), links);
    EXPECT_FALSE(files_.Exists(L"C:\\velmora-evil.bmp"));
    EXPECT_EQ(folder_.FileNames(), (std::set<std::wstring>{L"Flags", L"links.xml",
                                                           L"radio_pal_stations.xml"}));
    EXPECT_FALSE(files_.Exists(folder_.Path() + L"Flags\\nl.bmp"));
}

// A captive portal answers every address with its page: neither the links
// nor a flag (which is never fetched again once there) are replaced by it.
TEST_F(DirectoryRefreshWine, APageServedAsLinksOrAFlagIsNotKept) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    DeleteFileW((folder_.Path() + L"Flags\\nl.bmp").c_str());
    EXPECT_FALSE(Refresh(SiteUrl() + L"status/200/", true));
    EXPECT_EQ(stations_.size(), 28u);
    EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
    EXPECT_EQ(Local(L"links.xml"), SiteFile(L"links.xml"));
    EXPECT_FALSE(files_.Exists(folder_.Path() + L"Flags\\nl.bmp"));
}

TEST_F(DirectoryRefreshWine, AStalledServerIsGivenUpAfterTheTimeOut) {
    ASSERT_TRUE(Refresh(SiteUrl()));
    // The product waits 80 seconds; the time-out is the same mechanism at 2.
    WinInetHttpClient impatient(2000);
    Downloader downloads(impatient, files_);
    const std::wstring path = folder_.Path() + L"radio_pal_stations.xml";
    for (const wchar_t* fault : {L"stall/", L"stall-body/"}) {
        SCOPED_TRACE(fault);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_NE(downloads.DownloadToFile(SiteUrl() + fault + L"stations.xml", path), L"yes");
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
        EXPECT_EQ(Local(L"radio_pal_stations.xml"), SiteFile(L"stations.xml"));
    }
}

}  // namespace
