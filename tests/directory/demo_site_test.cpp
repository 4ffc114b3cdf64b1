// The demo directory site hangs together: every station it lists can be
// shown, played and given a title with the files the site has.

#include "common/ports/ansi_text.h"
#include "directory/flag_bitmap.h"
#include "directory/links_list.h"
#include "directory/now_playing.h"
#include "directory/station_categories.h"
#include "directory/station_directory.h"
#include "tests/support/scratch_file.h"
#include "tests/support/station_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <iterator>

namespace {

const std::filesystem::path kSite = std::filesystem::path(VELMORA_SITE_DIR) / "public";
const std::wstring kBase = L"{{BASE}}";

// The site file a templated URL points at.
std::filesystem::path SiteFileOf(const std::wstring& url) {
    EXPECT_TRUE(url.starts_with(kBase)) << url;
    std::wstring relative = url.substr(kBase.size());
    relative = relative.substr(0, relative.find_first_of(L"?#"));
    return kSite / relative;
}

// The server makes its radio streams as they are played: "radio/NAME.mp3"
// loops the tune streams/NAME.mp3 (and ".aac" the AAC one); "live" and "icy"
// play all the tunes.
bool IsRadioStreamOfTheSite(const std::wstring& url) {
    const std::wstring folder = kBase + L"radio/";
    if (!url.starts_with(folder)) return false;
    const std::filesystem::path file = url.substr(folder.size());
    const std::wstring name = file.stem().wstring();
    const std::wstring extension = file.extension().wstring();
    if (extension != L".mp3" && extension != L".aac") return false;
    return name == L"live" || (name == L"icy" && extension == L".mp3") ||
           std::filesystem::is_regular_file(kSite / "streams" / file);
}

class DemoSite : public ::testing::Test {
protected:
    void SetUp() override {
        StationTable table;
        ASSERT_TRUE(
            ParseStations(AnsiToWide(ReadBytes(kSite / "stations.xml")), L"C:\\Radio\\", table));
        stations_ = StationsOf(table);
        categories_ = std::move(table);
    }
    std::vector<StationInfo> stations_;
    StationTable categories_;  // the same stations, as the browser filters them
};

TEST_F(DemoSite, EveryStationHasItsFlagStreamAndPages) {
    EXPECT_GE(stations_.size(), 20u);
    EXPECT_LE(stations_.size(), 30u);
    for (const StationInfo& station : stations_) {
        SCOPED_TRACE(station.name);
        const std::string flag = ReadBytes(kSite / "flags" / station.flagfile);
        ASSERT_EQ(flag.size(), 54u + 72u * 18u);  // 23x18, 24 bits, rows padded to 4 bytes
        EXPECT_EQ(flag.substr(0, 2), "BM");
        EXPECT_TRUE(IsFlagBitmap(flag));  // the player keeps it
        EXPECT_TRUE(IsRadioStreamOfTheSite(station.streamlink) ||
                    std::filesystem::is_regular_file(SiteFileOf(station.streamlink)))
            << std::string(station.streamlink.begin(), station.streamlink.end());
        EXPECT_TRUE(std::filesystem::is_regular_file(SiteFileOf(station.homepage)));
        EXPECT_TRUE(std::filesystem::is_regular_file(SiteFileOf(station.banner)));
    }
}

TEST_F(DemoSite, EveryNowPlayingPageNamesATitle) {
    std::size_t withSource = 0;
    for (const StationInfo& station : stations_) {
        if (station.current.empty()) continue;
        SCOPED_TRACE(station.name);
        ++withSource;
        const std::wstring page = AnsiToWide(ReadBytes(SiteFileOf(station.current)));
        const std::wstring title = ExtractBetween(page, station.tfirst, station.tsecond);
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(title.find(L'<'), std::wstring::npos) << std::string(title.begin(), title.end());
    }
    EXPECT_GT(withSource, 0u);
    EXPECT_LT(withSource, stations_.size());
}

TEST_F(DemoSite, EveryCategoryHasStationsSomeSeveralSomeNone) {
    for (const StationCategory& category : kStationCategories) {
        EXPECT_FALSE(StationsInCategory(categories_, category.mask).empty()) << category.mask;
    }
    const auto bits = [](unsigned mask) { return std::popcount(mask); };
    EXPECT_TRUE(std::any_of(stations_.begin(), stations_.end(),
                            [&](const StationInfo& s) { return bits(s.catid) > 1; }));
    EXPECT_TRUE(std::any_of(stations_.begin(), stations_.end(),
                            [](const StationInfo& s) { return s.catid == 0; }));
}

TEST_F(DemoSite, TheLinksFileLoads) {
    LinksList links;
    ASSERT_TRUE(LoadLinks(links, (kSite / "links.xml").wstring()));
    EXPECT_GT(links.entries.size(), 2u);
}

}  // namespace
