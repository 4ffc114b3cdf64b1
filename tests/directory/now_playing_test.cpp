// The title now playing: the text between two markers on a station's page.

#include "directory/data_files_memory.h"
#include "directory/now_playing.h"
#include "tests/directory/fake_http_client.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtractBetween, TakesTheTextBetweenTheFirstMarkerAndTheNextSecondOne) {
    EXPECT_EQ(ExtractBetween(L"<b>Now:</b> Song A<br>Next: Song B<br>", L"Now:", L"<br>"),
              L"Song A");
    EXPECT_EQ(ExtractBetween(L"x[a]y[b]", L"[", L"]"), L"a");
}

TEST(ExtractBetween, NothingWhenAMarkerIsMissingOrOnlyBeforeTheFirst) {
    EXPECT_EQ(ExtractBetween(L"title: Song", L"Now:", L"<"), L"");
    EXPECT_EQ(ExtractBetween(L"Now: Song", L"Now:", L"</p>"), L"");
    EXPECT_EQ(ExtractBetween(L"</p> intro Now: Song", L"Now:", L"</p>"), L"");
    EXPECT_EQ(ExtractBetween(L"", L"a", L"b"), L"");
}

TEST(ExtractBetween, SkipsLineBreaksSpacesAndWholeTagsBeforeTheTitle) {
    EXPECT_EQ(ExtractBetween(L"Now:\r\n  <span class=\"t\">\n<b> Artist - Song</b></span>|",
                             L"Now:", L"|"),
              L"Artist - Song</b></span>");
    // A tab is not skipped; it starts the title.
    EXPECT_EQ(ExtractBetween(L"Now:\tSong|", L"Now:", L"|"), L"\tSong");
    // An unclosed tag swallows the rest.
    EXPECT_EQ(ExtractBetween(L"Now: <b Song|", L"Now:", L"|"), L"");
}

TEST(ExtractBetween, RemovesTrailingSpacesThenCarriageReturnsThenLineFeeds) {
    EXPECT_EQ(ExtractBetween(L"[Song   ]", L"[", L"]"), L"Song");
    EXPECT_EQ(ExtractBetween(L"[Song\r\n]", L"[", L"]"), L"Song\r");
    EXPECT_EQ(ExtractBetween(L"[Song \r\r\n\n]", L"[", L"]"), L"Song \r\r");
    EXPECT_EQ(ExtractBetween(L"[Song\n\r ]", L"[", L"]"), L"Song");
}

class FetchNowPlayingTest : public ::testing::Test {
protected:
    FakeHttpClient http_;
    MemoryDataFiles files_;
    Downloader downloads_{http_, files_};
    NowPlaying nowPlaying_;
};

TEST_F(FetchNowPlayingTest, StoresTheTitleFromThePage) {
    http_.Answer(L"http://radio/now.html", 200, "<p>On air: <b>Big Band \x96 Live</b></p>");
    nowPlaying_.SetSource({L"http://radio/now.html", L"On air:", L"</b>"});
    EXPECT_TRUE(FetchNowPlaying(nowPlaying_, downloads_));
    EXPECT_EQ(nowPlaying_.Title(), L"Big Band \u2013 Live");
}

TEST_F(FetchNowPlayingTest, KeepsTheEarlierTitleWhenNothingNewIsFound) {
    nowPlaying_.SetTitle(L"Earlier");
    http_.Answer(L"http://radio/now.html", 200, "<p>Nothing here</p>");
    nowPlaying_.SetSource({L"http://radio/now.html", L"On air:", L"</b>"});
    EXPECT_FALSE(FetchNowPlaying(nowPlaying_, downloads_));
    http_.Answer(L"http://radio/now.html", 503, "On air: Maintenance</b>");
    EXPECT_FALSE(FetchNowPlaying(nowPlaying_, downloads_));
    EXPECT_EQ(nowPlaying_.Title(), L"Earlier");
}

// Serves the page of the station that was playing when the fetch began,
// while the user picks another station.
class StationChangesDuringTheFetch : public HttpClient {
public:
    explicit StationChangesDuringTheFetch(NowPlaying& nowPlaying) : nowPlaying_(nowPlaying) {}

    HttpTransfer Get(const std::wstring&,
                     const std::function<bool(std::string_view)>& onBlock) override {
        nowPlaying_.SetSource({L"http://other/now.html", L"[", L"]"});
        onBlock("[Old station's song]");
        HttpTransfer transfer;
        transfer.status = 200;
        return transfer;
    }

private:
    NowPlaying& nowPlaying_;
};

TEST_F(FetchNowPlayingTest, APageOfTheStationPlayingBeforeIsNotStored) {
    nowPlaying_.SetTitle(L"Current station's song");
    nowPlaying_.SetSource({L"http://old/now.html", L"[", L"]"});
    StationChangesDuringTheFetch http(nowPlaying_);
    Downloader downloads(http, files_);
    EXPECT_FALSE(FetchNowPlaying(nowPlaying_, downloads));
    EXPECT_EQ(nowPlaying_.Title(), L"Current station's song");
}

TEST_F(FetchNowPlayingTest, AStationWithoutACompleteSourceFetchesNothing) {
    for (const NowPlaying::Source& source :
         {NowPlaying::Source{L"", L"a", L"b"}, NowPlaying::Source{L"http://radio/", L"", L"b"},
          NowPlaying::Source{L"http://radio/", L"a", L""}}) {
        nowPlaying_.SetSource(source);
        EXPECT_FALSE(FetchNowPlaying(nowPlaying_, downloads_));
    }
    EXPECT_TRUE(http_.Requests().empty());
}

}  // namespace
