#include "skin/list_cell_zone.h"

#include <gtest/gtest.h>

namespace {

// The favourites list: check box 25 wide, name 75 wide, 96 high.
constexpr ListColumns kFavorites{25, 75, 0, 96};
// The station list: flag 25 wide, name 80 wide, 150 high.
constexpr ListColumns kStations{25, 80, 0, 150};

TEST(ListCellZone, EachColumnAnswersTwoPixelsInsideItsEdges) {
    EXPECT_EQ(CellZone(kFavorites, 0), (PixelRect{2, 2, 23, 94}));
    EXPECT_EQ(CellZone(kFavorites, 1), (PixelRect{27, 2, 98, 94}));
    EXPECT_EQ(CellZone(kStations, 1), (PixelRect{27, 2, 103, 148}));

    EXPECT_EQ(CellAt(kStations, 2, 2), ListCell::First);
    EXPECT_EQ(CellAt(kStations, 22, 147), ListCell::First);
    EXPECT_EQ(CellAt(kStations, 27, 10), ListCell::Second);
    EXPECT_EQ(CellAt(kStations, 102, 10), ListCell::Second);
    // The gaps between and around the zones, and below the name column.
    for (auto [x, y] : {std::pair{1, 10},
                        {23, 10},
                        {26, 10},
                        {103, 10},
                        {140, 10},
                        {10, 1},
                        {10, 148},
                        {50, 149}}) {
        EXPECT_EQ(CellAt(kStations, x, y), ListCell::None) << x << "," << y;
    }
    EXPECT_EQ(CellAt(kFavorites, 99, 10), ListCell::None);
    EXPECT_EQ(CellAt(kFavorites, 97, 10), ListCell::Second);
}

TEST(ListCellZone, HorizontalScrollingShiftsTheZones) {
    const ListColumns scrolled{25, 80, 20, 150};
    EXPECT_EQ(CellZone(scrolled, 0), (PixelRect{-18, 2, 3, 148}));
    EXPECT_EQ(CellZone(scrolled, 1), (PixelRect{7, 2, 83, 148}));
    EXPECT_EQ(CellAt(scrolled, 2, 10), ListCell::First);
    EXPECT_EQ(CellAt(scrolled, 10, 10), ListCell::Second);
    EXPECT_EQ(CellAt(scrolled, 90, 10), ListCell::None);
}

}  // namespace
