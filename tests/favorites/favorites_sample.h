#pragma once
// Favourites that each XML adapter saves and the other must load back the
// same: texts outside ASCII and with characters XML escapes, empty values.
// fixtures/ holds the sample as saved by each adapter.

#include "favorites/favorites_list.h"

#include <gtest/gtest.h>

inline FavoriteEntry Favorite(const wchar_t* name, const wchar_t* homepage = L"",
                              const wchar_t* streamlink = L"", const wchar_t* banner = L"") {
    FavoriteEntry entry;
    entry.name = name;
    entry.homepage = homepage;
    entry.streamlink = streamlink;
    entry.banner = banner;
    return entry;
}

inline FavoritesList FavoritesSample() {
    FavoritesList list;
    list.AppendFavorite(Favorite(L"Radio Z\u00FCrich \u20AC & <Friends>",
                                 L"http://zuerich.example/?a=1&b=2",
                                 L"http://zuerich.example/live\"hi\"", L""));
    list.AppendFavorite(Favorite(L"\u6771\u4EAC FM", L"http://tokyo.example/",
                                 L"http://tokyo.example/stream", L"http://tokyo.example/banner"));
    list.AppendFavorite(Favorite(L"  Spaced  ", L"", L"", L""));
    return list;
}

inline void ExpectFavoritesSample(const FavoritesList& loaded) {
    const auto expected = FavoritesSample().Entries();
    const auto& entries = loaded.Entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].name, expected[i].name);
        EXPECT_EQ(entries[i].homepage, expected[i].homepage);
        EXPECT_EQ(entries[i].streamlink, expected[i].streamlink);
        EXPECT_EQ(entries[i].banner, expected[i].banner);
        EXPECT_FALSE(entries[i].checked);
    }
}
