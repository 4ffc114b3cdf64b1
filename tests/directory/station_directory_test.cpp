// Reading the station directory, the flag file names it may carry, and the
// category filter.

#include "directory/station_categories.h"
#include "directory/station_directory.h"
#include "tests/support/station_records.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kFolder = L"C:\\Radio\\";

std::wstring Station(const std::wstring& name, const std::wstring& extra = L"",
                     const std::wstring& flag = L"<flagfile>nl.bmp</flagfile>") {
    return L"<station name=\"" + name +
           L"\"><homepage>http://home/</homepage><streamlink>http://stream/</streamlink>"
           L"<banner>http://banner/</banner>" + extra + flag + L"</station>";
}

std::wstring Directory(const std::wstring& stations) {
    return L"<?xml version=\"1.0\"?><root>" + stations + L"</root>";
}

std::vector<std::wstring> NamesOf(const StationTable& stations) {
    std::vector<std::wstring> names;
    for (std::size_t index = 0; index < stations.size(); ++index) {
        names.emplace_back(stations.Name(index));
    }
    return names;
}

TEST(ParseStations, ReadsEveryFieldAndBuildsTheFlagPath) {
    StationTable stations;
    const std::wstring text = Directory(
        L"<station name=\"Radio Kaap\"><homepage>http://kaap/</homepage>"
        L"<streamlink>http://kaap/live.mp3</streamlink><banner>http://kaap/b.html</banner>"
        L"<current>http://kaap/now.html</current><tfirst>Now:</tfirst><tsecond>&lt;/b&gt;</tsecond>"
        L"<catid>5</catid><flagfile>za.bmp</flagfile></station>");
    ASSERT_TRUE(ParseStations(text, kFolder, stations));
    ASSERT_EQ(stations.size(), 1u);
    const StationInfo& station = stations[0];
    EXPECT_EQ(station.name, L"Radio Kaap");
    EXPECT_EQ(station.homepage, L"http://kaap/");
    EXPECT_EQ(station.streamlink, L"http://kaap/live.mp3");
    EXPECT_EQ(station.banner, L"http://kaap/b.html");
    EXPECT_EQ(station.current, L"http://kaap/now.html");
    EXPECT_EQ(station.tfirst, L"Now:");
    EXPECT_EQ(station.tsecond, L"</b>");
    EXPECT_EQ(station.catid, 5u);
    EXPECT_EQ(station.flagfile, L"za.bmp");
    EXPECT_EQ(station.flagPath, L"C:\\Radio\\Flags\\za.bmp");
}

TEST(ParseStations, OptionalElementsDefaultToEmptyAndCategoryZero) {
    StationTable stations;
    ASSERT_TRUE(ParseStations(Directory(Station(L"Plain")), kFolder, stations));
    ASSERT_EQ(stations.size(), 1u);
    EXPECT_EQ(stations[0].current, L"");
    EXPECT_EQ(stations[0].tfirst, L"");
    EXPECT_EQ(stations[0].tsecond, L"");
    EXPECT_EQ(stations[0].catid, 0u);
}

TEST(ParseStations, AMissingRequiredValueStopsTheReadingKeepingEarlierStations) {
    const std::vector<std::pair<const wchar_t*, std::wstring>> broken{
        {L"no name", L"<station><homepage>h</homepage><streamlink>s</streamlink>"
                     L"<banner>b</banner><flagfile>f.bmp</flagfile></station>"},
        {L"no homepage", L"<station name=\"X\"><streamlink>s</streamlink><banner>b</banner>"
                         L"<flagfile>f.bmp</flagfile></station>"},
        {L"no streamlink", L"<station name=\"X\"><homepage>h</homepage><banner>b</banner>"
                           L"<flagfile>f.bmp</flagfile></station>"},
        {L"no banner", L"<station name=\"X\"><homepage>h</homepage><streamlink>s</streamlink>"
                       L"<flagfile>f.bmp</flagfile></station>"},
        {L"no flagfile", Station(L"X", L"", L"")},
    };
    for (const auto& [what, station] : broken) {
        SCOPED_TRACE(what);
        StationTable stations;
        EXPECT_FALSE(ParseStations(Directory(Station(L"First") + Station(L"Second") + station +
                                             Station(L"After")),
                                   kFolder, stations));
        EXPECT_EQ(NamesOf(stations), (std::vector<std::wstring>{L"First", L"Second"}));
    }
}

TEST(ParseStations, NoStationsIsAnEmptySuccess) {
    StationTable stations = TableOf(std::vector<StationInfo>(3));
    EXPECT_TRUE(ParseStations(L"<root><other/></root>", kFolder, stations));
    EXPECT_TRUE(stations.empty());
}

TEST(ParseStations, TextThatIsNotXmlLeavesTheListAlone) {
    std::vector<StationInfo> held(2);
    held[0].name = L"Kept";
    StationTable stations = TableOf(held);
    EXPECT_FALSE(ParseStations(L"<html><body>502 Bad Gateway", kFolder, stations));
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_EQ(stations[0].name, L"Kept");
}

TEST(ParseStations, StationsOutsideTheRootAreNotRead) {
    StationTable stations;
    ASSERT_TRUE(ParseStations(Directory(L"<group>" + Station(L"Nested") + L"</group>" +
                                        Station(L"Top")),
                              kFolder, stations));
    EXPECT_EQ(NamesOf(stations), std::vector<std::wstring>{L"Top"});
}

TEST(ParseCategoryMask, ReadsLeadingDigitsOnly) {
    EXPECT_EQ(ParseCategoryMask(L"12abc"), 12u);
    EXPECT_EQ(ParseCategoryMask(L"512"), 512u);
    EXPECT_EQ(ParseCategoryMask(L"abc"), 0u);
    EXPECT_EQ(ParseCategoryMask(L""), 0u);
    EXPECT_EQ(ParseCategoryMask(L"-4"), 0u);
}

// Wrapped round, a value too large would set arbitrary category bits.
TEST(ParseCategoryMask, AValueBeyond32BitsIsZero) {
    EXPECT_EQ(ParseCategoryMask(L"4294967295"), 4294967295u);
    EXPECT_EQ(ParseCategoryMask(L"0000000000000512"), 512u);
    EXPECT_EQ(ParseCategoryMask(L"4294967296"), 0u);
    EXPECT_EQ(ParseCategoryMask(L"99999999999"), 0u);
    EXPECT_EQ(ParseCategoryMask(L"99999999999x"), 0u);
}

TEST(ParseStations, AStationWithAnUnsafeFlagNameLoadsWithoutAFlagPath) {
    StationTable stations;
    ASSERT_TRUE(ParseStations(
        Directory(Station(L"Sly", L"", L"<flagfile>..\\..\\Windows\\evil.bmp</flagfile>") +
                  Station(L"Fine")),
        kFolder, stations));
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_EQ(stations[0].flagfile, L"..\\..\\Windows\\evil.bmp");
    EXPECT_EQ(stations[0].flagPath, L"");
    EXPECT_EQ(stations[1].flagPath, L"C:\\Radio\\Flags\\nl.bmp");
}

TEST(StationCategories, MaskZeroListsEveryStationOthersThoseSharingABit) {
    std::vector<StationInfo> stations(4);
    stations[0].catid = 5;  // Classical and Dance - techno
    stations[1].catid = 0;
    stations[2].catid = kCategoryDanceTechno;
    stations[3].catid = kCategoryOldies | kCategoryRock;
    const StationTable table = TableOf(stations);
    EXPECT_EQ(StationsInCategory(table, 0), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(StationsInCategory(table, kCategoryClassical), std::vector<std::size_t>{0});
    EXPECT_EQ(StationsInCategory(table, kCategoryDanceTechno),
              (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(StationsInCategory(table, kCategoryRock), std::vector<std::size_t>{3});
    EXPECT_TRUE(StationsInCategory(table, kCategoryCountry).empty());
}

}  // namespace
