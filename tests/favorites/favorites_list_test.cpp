#include "favorites/favorite_station.h"
#include "favorites/favorites_list.h"
#include "tests/favorites/favorites_sample.h"
#include "tests/support/station_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Names(const FavoritesList& list) {
    std::vector<std::wstring> names;
    for (const auto& entry : list.Entries()) names.push_back(entry.name);
    return names;
}

TEST(FavoritesList, NewStationsGoOnTopUnchecked) {
    FavoritesList list;
    EXPECT_TRUE(list.AddFavorite(Favorite(L"First", L"http://first/")));
    FavoriteEntry ticked = Favorite(L"Second");
    ticked.checked = true;
    EXPECT_TRUE(list.AddFavorite(ticked));
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"Second", L"First"}));
    EXPECT_FALSE(list.Entries()[0].checked);
    EXPECT_EQ(list.Entries()[1].homepage, L"http://first/");
}

TEST(FavoritesList, AKnownNameMovesToTopKeepingItsStoredAddresses) {
    FavoritesList list;
    list.AddFavorite(Favorite(L"Jazz FM", L"http://old-home/", L"http://old-stream/", L"b"));
    list.AddFavorite(Favorite(L"Rock FM"));
    list.AddFavorite(Favorite(L"jazz fm"));  // another name: the key is case-sensitive
    ASSERT_EQ(list.Entries().size(), 3u);

    EXPECT_FALSE(list.AddFavorite(Favorite(L"Jazz FM", L"http://new-home/", L"http://new/")));
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"Jazz FM", L"jazz fm", L"Rock FM"}));
    EXPECT_EQ(list.Entries()[0].homepage, L"http://old-home/");
    EXPECT_EQ(list.Entries()[0].streamlink, L"http://old-stream/");
    EXPECT_EQ(list.Entries()[0].banner, L"b");
}

TEST(FavoritesList, DeletesTheTickedRowsOnly) {
    FavoritesList list;
    for (const wchar_t* name : {L"D", L"C", L"B", L"A"}) list.AddFavorite(Favorite(name));
    EXPECT_EQ(list.RemoveCheckedFavorites(), 0u);
    EXPECT_EQ(list.Entries().size(), 4u);

    list.ToggleChecked(1);
    list.ToggleChecked(3);
    list.ToggleChecked(2);
    list.ToggleChecked(2);
    list.ToggleChecked(4);  // below the last row: nothing to tick
    EXPECT_EQ(list.RemoveCheckedFavorites(), 2u);
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"A", L"C"}));
    EXPECT_FALSE(list.Entries()[1].checked);
}

TEST(FavoritesList, LoadingOrderKeepsTheFirstOfEachName) {
    FavoritesList list;
    EXPECT_TRUE(list.AppendFavorite(Favorite(L"One", L"http://first-one/")));
    EXPECT_TRUE(list.AppendFavorite(Favorite(L"Two")));
    EXPECT_FALSE(list.AppendFavorite(Favorite(L"One", L"http://second-one/")));
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"One", L"Two"}));
    EXPECT_EQ(list.Entries()[0].homepage, L"http://first-one/");
}

TEST(FavoriteStation, TakesTheNowPlayingSourceOfTheStationOfThatExactName) {
    StationInfo jazz;
    jazz.name = L"Jazz FM";
    jazz.homepage = L"http://directory-home/";
    jazz.current = L"http://jazz/now.txt";
    jazz.tfirst = L"<b>";
    jazz.tsecond = L"</b>";
    StationInfo lowerCase = jazz;
    lowerCase.name = L"jazz fm";
    lowerCase.current = L"http://wrong/";
    StationInfo later = jazz;
    later.current = L"http://later/";
    const StationTable directory = TableOf({lowerCase, jazz, later});

    const StationInfo played = StationForFavorite(
        Favorite(L"Jazz FM", L"http://fav-home/", L"http://fav-stream/", L"http://fav-banner/"),
        directory);
    EXPECT_EQ(played.name, L"Jazz FM");
    EXPECT_EQ(played.homepage, L"http://fav-home/");
    EXPECT_EQ(played.streamlink, L"http://fav-stream/");
    EXPECT_EQ(played.banner, L"http://fav-banner/");
    EXPECT_EQ(played.current, L"http://jazz/now.txt");
    EXPECT_EQ(played.tfirst, L"<b>");
    EXPECT_EQ(played.tsecond, L"</b>");

    const StationInfo unknown =
        StationForFavorite(Favorite(L"Gone FM", L"", L"http://gone/"), directory);
    EXPECT_EQ(unknown.streamlink, L"http://gone/");
    EXPECT_EQ(unknown.current, L"");
    EXPECT_EQ(unknown.tfirst, L"");
    EXPECT_EQ(unknown.tsecond, L"");
}

}  // namespace
