#include "favorites/favorites_pane_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(FavoritesPaneLayout, PlacesTheControlsForTheWindowWidth) {
    const FavoritesPaneLayout narrow = LayoutFavoritesPane(150);
    EXPECT_EQ(narrow.close, (PixelRect{130, 3, 142, 14}));
    EXPECT_EQ(narrow.add, (PixelRect{6, 33, 69, 51}));
    EXPECT_EQ(narrow.remove, (PixelRect{73, 33, 140, 51}));
    EXPECT_EQ(narrow.listWidth, 130);
    EXPECT_EQ(narrow.nameColumnWidth, 80);
    EXPECT_EQ(narrow.statusWidth, 147);

    // The widest the pane gets, a fifth wider; an odd width halves down.
    const FavoritesPaneLayout wide = LayoutFavoritesPane(181);
    EXPECT_EQ(wide.close, (PixelRect{161, 3, 173, 14}));
    EXPECT_EQ(wide.add.left, 90 - 63 - 6);
    EXPECT_EQ(wide.remove.left, 88);
    EXPECT_EQ(wide.listWidth, 161);
    EXPECT_EQ(wide.nameColumnWidth, 111);
    EXPECT_EQ(wide.statusWidth, 178);
}

}  // namespace
