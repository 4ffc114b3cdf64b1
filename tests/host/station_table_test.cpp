// The directory's compact table: what goes in comes out field by field,
// whichever texts stations share.

#include "host/station_table.h"

#include <gtest/gtest.h>

namespace {

StationInfo Station(std::wstring name, std::wstring flagfile, unsigned catid) {
    StationInfo station;
    station.name = std::move(name);
    station.homepage = L"http://home/";
    station.streamlink = L"http://home/live.mp3";
    station.banner = L"http://home/";  // the same text as the home page
    station.flagPath = flagfile.empty() ? L"" : L"C:\\Radio\\Flags\\" + flagfile;
    station.flagfile = std::move(flagfile);
    station.current = L"http://home/now.html";
    station.tfirst = L"Now:";
    station.tsecond = L"";
    station.catid = catid;
    return station;
}

void ExpectSame(const StationInfo& seen, const StationInfo& added) {
    EXPECT_EQ(seen.name, added.name);
    EXPECT_EQ(seen.homepage, added.homepage);
    EXPECT_EQ(seen.streamlink, added.streamlink);
    EXPECT_EQ(seen.banner, added.banner);
    EXPECT_EQ(seen.flagPath, added.flagPath);
    EXPECT_EQ(seen.flagfile, added.flagfile);
    EXPECT_EQ(seen.current, added.current);
    EXPECT_EQ(seen.tfirst, added.tfirst);
    EXPECT_EQ(seen.tsecond, added.tsecond);
    EXPECT_EQ(seen.catid, added.catid);
}

// Texts that share a start, texts that are a prefix of another, repeated
// and empty ones: each must come back whole, not as the text stored first.
const std::vector<StationInfo> kStations = {
    Station(L"Radio", L"nl.bmp", 1),
    Station(L"Radio Kaap", L"nl.bmp", 0),
    Station(L"Radio Kaap", L"za.bmp", 6),  // a second station of the same name
    Station(L"R", L"", 2),
    Station(L"http://home/", L"n", 1),  // a name that is another station's address
};

TEST(StationTable, GivesBackEveryStationAsAdded) {
    StationTable table;
    table.Reserve(kStations.size());
    for (const StationInfo& station : kStations) table.Add(station);
    table.Compact();
    ASSERT_EQ(table.size(), kStations.size());
    for (std::size_t index = 0; index < kStations.size(); ++index) {
        SCOPED_TRACE(index);
        ExpectSame(table[index], kStations[index]);
        EXPECT_EQ(table.Name(index), kStations[index].name);
        EXPECT_EQ(table.FlagPath(index), kStations[index].flagPath);
        EXPECT_EQ(table.Category(index), kStations[index].catid);
    }
}

// Compacting drops the index of stored texts and moves the buffer: stations
// added afterwards, and those before, must still read right.
TEST(StationTable, StationsAddedAfterCompactingAndAfterClearingReadRight) {
    StationTable table;
    table.Add(kStations[0]);
    table.Compact();
    table.Add(kStations[1]);
    table.Add(kStations[0]);
    ASSERT_EQ(table.size(), 3u);
    ExpectSame(table[0], kStations[0]);
    ExpectSame(table[1], kStations[1]);
    ExpectSame(table[2], kStations[0]);

    table.Clear();
    EXPECT_TRUE(table.empty());
    table.Add(kStations[3]);
    ASSERT_EQ(table.size(), 1u);
    ExpectSame(table[0], kStations[3]);
}

TEST(StationTable, ACopyReadsAsTheOriginalAndSharedListsReadTheSame) {
    StationTable table;
    for (const StationInfo& station : kStations) table.Add(station);
    const StationTable copy = table;
    table.Clear();
    const StationList shared = MakeStationList(copy);
    ASSERT_EQ(shared->size(), kStations.size());
    for (std::size_t index = 0; index < kStations.size(); ++index) {
        SCOPED_TRACE(index);
        ExpectSame((*shared)[index], kStations[index]);
    }
}

}  // namespace
