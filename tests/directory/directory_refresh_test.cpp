// The daily directory refresh: when it downloads, what it reads, which flags
// it fetches, and when it writes "Last Launch".

#include "common/ports/registry_memory.h"
#include "directory/data_files_memory.h"
#include "directory/directory_refresh.h"
#include "host/player_settings.h"
#include "tests/directory/fake_http_client.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kFolder = L"C:\\Radio\\";
const std::wstring kSite = L"http://site/";
const std::wstring kLocalStations = kFolder + L"radio_pal_stations.xml";
const std::wstring kLocalLinks = kFolder + L"links.xml";
constexpr LocalTime kToday{2006, 3, 7, 9, 30, 0};

std::string StationXml(const std::string& name, const std::string& flag) {
    return "<station name=\"" + name +
           "\"><homepage>h</homepage><streamlink>s</streamlink><banner>b</banner><flagfile>" +
           flag + "</flagfile></station>";
}

// A 1x1 24-bit bitmap whose one pixel is `colour`, so that flags tell apart.
std::string FlagBitmap(char colour) {
    std::string bitmap("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0", 14);
    std::string info(40, '\0');
    info[0] = 40;
    info[4] = 1;   // width
    info[8] = 1;   // height
    info[12] = 1;  // planes
    info[14] = 24; // bits per pixel
    return bitmap + info + std::string{colour, colour, colour, '\0'};
}

std::string DirectoryXml(const std::string& stations) {
    return "<root>" + stations + "</root>";
}

class RefreshDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        files_.CreateFolder(kFolder);
        http_.Answer(kSite + L"stations.xml",
                     200, DirectoryXml(StationXml("Caf\xe9 Jazz", "fr.bmp") +
                                        StationXml("Noord", "nl.bmp") +
                                        StationXml("Also Dutch", "nl.bmp")));
        http_.Answer(kSite + L"links.xml", 200, "<root/>");
        http_.Answer(kSite + L"flags/fr.bmp", 200, FlagBitmap('f'));
        http_.Answer(kSite + L"flags/nl.bmp", 200, FlagBitmap('n'));
    }

    bool Refresh(bool forced = false) {
        DirectoryRefreshResult result =
            RefreshDirectory({kFolder, kSite}, {downloads_, files_, registry_, clock_}, forced);
        listRead_ = result.stations.has_value();
        stations_ = std::move(result.stations).value_or(StationTable{});
        return result.succeeded;
    }

    std::optional<std::wstring> LastLaunch() { return ReadLastLaunch(registry_); }

    FakeHttpClient http_;
    MemoryDataFiles files_;
    Downloader downloads_{http_, files_};
    MemoryRegistry registry_;
    SettableClock clock_{kToday};
    StationTable stations_;
    bool listRead_ = false;  // the refresh gave a list for the player
};

TEST_F(RefreshDirectoryTest, ARefreshIsDueUnlessLastLaunchIsToday) {
    EXPECT_TRUE(RefreshIsDue(registry_, clock_, false));
    WriteLastLaunch(registry_, {2006, 3, 6});
    EXPECT_TRUE(RefreshIsDue(registry_, clock_, false));
    WriteLastLaunch(registry_, kToday);
    EXPECT_FALSE(RefreshIsDue(registry_, clock_, false));
    EXPECT_TRUE(RefreshIsDue(registry_, clock_, true));
    // A date written some other way (leading zeros) is another day.
    registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)
        ->WriteString(kLastLaunchValue, L"2006:03:07");
    EXPECT_TRUE(RefreshIsDue(registry_, clock_, false));
}

TEST_F(RefreshDirectoryTest, AFirstRefreshDownloadsBothFilesAndEachMissingFlagOnce) {
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(http_.Requests(),
              (std::vector<std::wstring>{kSite + L"stations.xml", kSite + L"links.xml",
                                         kSite + L"flags/fr.bmp", kSite + L"flags/nl.bmp"}));
    ASSERT_EQ(stations_.size(), 3u);
    EXPECT_EQ(stations_[0].name, L"Caf\u00e9 Jazz");  // the file's bytes are ANSI text
    EXPECT_EQ(files_.Read(kLocalLinks), "<root/>");
    EXPECT_EQ(files_.Read(kFolder + L"Flags\\fr.bmp"), FlagBitmap('f'));
    EXPECT_EQ(files_.Read(kFolder + L"Flags\\nl.bmp"), FlagBitmap('n'));
    EXPECT_EQ(LastLaunch(), L"2006:3:7");
}

TEST_F(RefreshDirectoryTest, ASecondRefreshTheSameDayReadsTheLocalCopyOnly) {
    ASSERT_TRUE(Refresh());
    http_.ClearRequests();
    files_.Put(kLocalStations, DirectoryXml(StationXml("Local", "nl.bmp")));
    ASSERT_TRUE(Refresh());
    EXPECT_TRUE(http_.Requests().empty());
    ASSERT_EQ(stations_.size(), 1u);
    EXPECT_EQ(stations_[0].name, L"Local");
}

TEST_F(RefreshDirectoryTest, AMissingLocalCopyIsDownloadedEvenWhenTheDayIsDone) {
    WriteLastLaunch(registry_, kToday);
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_TRUE(files_.Exists(kLocalStations));
}

TEST_F(RefreshDirectoryTest, AForcedRefreshOrANewDayDownloadsAgain) {
    ASSERT_TRUE(Refresh());
    http_.ClearRequests();
    ASSERT_TRUE(Refresh(true));
    EXPECT_EQ(http_.Requests(),
              (std::vector<std::wstring>{kSite + L"stations.xml", kSite + L"links.xml"}));
    http_.ClearRequests();
    clock_.Set({2006, 3, 8});
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(http_.Requests().size(), 2u);
    EXPECT_EQ(LastLaunch(), L"2006:3:8");
}

TEST_F(RefreshDirectoryTest, WithoutTheSiteTheLocalFilesServeAndLastLaunchWaits) {
    ASSERT_TRUE(Refresh());
    WriteLastLaunch(registry_, {2006, 3, 6});
    for (const wchar_t* file : {L"stations.xml", L"links.xml"}) http_.Forget(kSite + file);
    // The flags are here, so the local copy serves in full.
    EXPECT_TRUE(Refresh());
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_EQ(files_.Read(kLocalLinks), "<root/>");
    EXPECT_EQ(LastLaunch(), L"2006:3:6");

    WriteLastLaunch(registry_, {2006, 3, 6});
    http_.Forget(kSite + L"flags/nl.bmp");
    files_ = MemoryDataFiles();
    files_.CreateFolder(kFolder);
    files_.Put(kLocalStations, DirectoryXml(StationXml("Noord", "nl.bmp")));
    EXPECT_FALSE(Refresh());
    EXPECT_EQ(stations_.size(), 1u);
    EXPECT_EQ(LastLaunch(), L"2006:3:6");
}

TEST_F(RefreshDirectoryTest, ARefusedSiteLeavesTheLocalCopyAndSaysWhyItWasRefused) {
    ASSERT_TRUE(Refresh());
    EXPECT_FALSE(downloads_.Refused());
    WriteLastLaunch(registry_, {2006, 3, 6});
    for (const wchar_t* file : {L"stations.xml", L"links.xml"})
        http_.Refuse(kSite + file, SecureConnectionProblem::ExpiredCertificate);
    EXPECT_TRUE(Refresh());
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_EQ(downloads_.Refused(), SecureConnectionProblem::ExpiredCertificate);
}

TEST_F(RefreshDirectoryTest, AnErrorPageFromTheSiteKeepsThePreviousFiles) {
    ASSERT_TRUE(Refresh());
    const auto stationsBefore = files_.Read(kLocalStations);
    http_.Answer(kSite + L"stations.xml", 500, "<html>Internal Server Error</html>");
    http_.Answer(kSite + L"links.xml", 404, "<html>Not Found</html>");
    WriteLastLaunch(registry_, {2006, 3, 6});
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(files_.Read(kLocalStations), stationsBefore);
    EXPECT_EQ(files_.Read(kLocalLinks), "<root/>");
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_EQ(LastLaunch(), L"2006:3:6");
}

TEST_F(RefreshDirectoryTest, NoLocalDirectoryOrABrokenOneFails) {
    http_.Forget(kSite + L"stations.xml");
    EXPECT_FALSE(Refresh());
    EXPECT_TRUE(stations_.empty());
    files_.Put(kLocalStations, "");
    EXPECT_FALSE(Refresh());
    // A partial directory gives the player no list, so it keeps the one it has.
    files_.Put(kLocalStations, DirectoryXml(StationXml("First", "nl.bmp") + "<station/>"));
    EXPECT_FALSE(Refresh());
    EXPECT_FALSE(listRead_);
    EXPECT_EQ(LastLaunch(), std::nullopt);
}

TEST_F(RefreshDirectoryTest, AnUpdateThatFetchesAPageThatIsNoDirectoryKeepsTheDirectory) {
    ASSERT_TRUE(Refresh());
    const auto good = files_.Read(kLocalStations);
    http_.Answer(kSite + L"stations.xml", 200,
                 "<html><body><form action=\"/login\">Sign in</form></body></html>");
    clock_.Set({2006, 3, 8, 9, 30, 0});
    Refresh(true);
    EXPECT_EQ(files_.Read(kLocalStations), good) << "the page replaced the directory on disk";
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_EQ(LastLaunch(), L"2006:3:7") << "the day's download is not done";
    // A directory that lists no stations is one all the same.
    http_.Answer(kSite + L"stations.xml", 200, "<root/>");
    EXPECT_TRUE(Refresh(true));
    EXPECT_TRUE(listRead_);
    EXPECT_TRUE(stations_.empty());
}

// Without a copy of its own, the player shows the stations of a downloaded
// directory up to its first incomplete one; the broken file is not kept, and
// the next start tries again. With a copy, the copy serves.
// The empty file setup makes, so that every user may write it, is no copy.
TEST_F(RefreshDirectoryTest, ADirectoryBrokenOffPartWayShowsItsStartOnlyWithoutACopy) {
    const std::string broken = DirectoryXml(StationXml("First", "nl.bmp") + StationXml("Second", "fr.bmp") +
                                            "<station name=\"Cut\"><homepage>h</homepage></station>" +
                                            StationXml("After", "nl.bmp"));
    http_.Answer(kSite + L"stations.xml", 200, broken);
    files_.Put(kLocalStations, "");
    Refresh();
    ASSERT_TRUE(listRead_);
    ASSERT_EQ(stations_.size(), 2u);
    EXPECT_EQ(stations_[1].name, L"Second");
    EXPECT_FALSE(files_.Exists(kLocalStations));
    EXPECT_EQ(LastLaunch(), std::nullopt);

    http_.Answer(kSite + L"stations.xml", 200,
                 DirectoryXml(StationXml("Whole", "nl.bmp")));
    ASSERT_TRUE(Refresh());
    http_.Answer(kSite + L"stations.xml", 200, broken);
    Refresh(true);
    ASSERT_EQ(stations_.size(), 1u);
    EXPECT_EQ(stations_[0].name, L"Whole");
}

// A flag file, once there, is never fetched again: a page served in its place
// (a captive portal's) must not be kept as one, nor must a page replace the
// links.
TEST_F(RefreshDirectoryTest, OnlyBitmapsAreKeptAsFlagsAndOnlyLinksFilesAsLinks) {
    const std::string page = "<html><body><form action=\"/login\">Sign in</form></body></html>";
    http_.Answer(kSite + L"flags/fr.bmp", 200, page);
    http_.Answer(kSite + L"links.xml", 200, page);
    EXPECT_FALSE(Refresh());
    EXPECT_FALSE(files_.Exists(kFolder + L"Flags\\fr.bmp"));
    EXPECT_FALSE(files_.Exists(kLocalLinks));

    http_.Answer(kSite + L"flags/fr.bmp", 200, FlagBitmap('f'));
    http_.Answer(kSite + L"links.xml", 200, "<root><link name=\"News\">http://n/</link></root>");
    EXPECT_TRUE(Refresh(true));
    EXPECT_EQ(files_.Read(kFolder + L"Flags\\fr.bmp"), FlagBitmap('f'));
    EXPECT_EQ(files_.Read(kLocalLinks), "<root><link name=\"News\">http://n/</link></root>");
}

TEST_F(RefreshDirectoryTest, TheFirstFailedFlagEndsTheWalk) {
    files_.CreateFolder(kFolder + L"Flags");
    http_.Answer(kSite + L"stations.xml",
                 200, DirectoryXml(StationXml("A", "fr.bmp") + StationXml("B", "xx.bmp") +
                                    StationXml("C", "nl.bmp")));
    EXPECT_FALSE(Refresh());
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_TRUE(files_.Exists(kFolder + L"Flags\\fr.bmp"));
    EXPECT_FALSE(files_.Exists(kFolder + L"Flags\\xx.bmp"));
    EXPECT_FALSE(files_.Exists(kFolder + L"Flags\\nl.bmp"));
    EXPECT_EQ(LastLaunch(), std::nullopt);
}

TEST_F(RefreshDirectoryTest, AnUnsafeFlagNameIsNeitherFetchedNorWritten) {
    http_.Answer(kSite + L"stations.xml",
                 200, DirectoryXml(StationXml("Sly", "..\\VelmoraRadio.exe") +
                                    StationXml("Dev", "NUL.bmp") + StationXml("Fine", "nl.bmp")));
    http_.Answer(kSite + L"flags/..\\VelmoraRadio.exe", 200, "MZ");
    ASSERT_TRUE(Refresh());
    EXPECT_EQ(stations_.size(), 3u);
    EXPECT_EQ(files_.Paths(),
              (std::set<std::wstring>{kFolder + L"Flags\\nl.bmp", kLocalLinks, kLocalStations}));
    EXPECT_TRUE(files_.HasFolder(kFolder + L"Flags\\"));
}

}  // namespace
