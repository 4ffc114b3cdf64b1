// Where the panes stand around the main window, in both layouts' situations.

#include "shell/pane_placement.h"

#include <gtest/gtest.h>

namespace {

constexpr PixelRect kMain{1128, 2, 1278, 217};  // the full window at the top-right place
constexpr PaneSize kBrowser{kStationBrowserWidth, 324};
constexpr PaneSize kWide{459, 215};
constexpr PaneSize kSmall{151, 195};

TEST(PanePlacement, BrowserHangsRightAlignedBelowAndFavouritesBelowWhicheverIsLowest) {
    const PixelRect browser = PlacePane(PaneKind::StationBrowser, kBrowser, {kMain});
    EXPECT_EQ(browser, (PixelRect{1128, 217, 1278, 541}));
    EXPECT_EQ(StationBrowserHeight(4), 324);

    EXPECT_EQ(PlacePane(PaneKind::Favorites, kBrowser, {kMain, browser}),
              (PixelRect{1128, 543, 1278, 867}));
    EXPECT_EQ(PlacePane(PaneKind::Favorites, kBrowser, {kMain}), (PixelRect{1128, 219, 1278, 543}));
    // A wider main window (the compact bar) keeps the browser flush with its right edge.
    EXPECT_EQ(PlacePane(PaneKind::StationBrowser, kBrowser, {{484, 2, 796, 28}}).left, 646);

    EXPECT_EQ(PlacePane(PaneKind::Info, kSmall, {kMain, browser}), (PixelRect{1128, 219, 1279, 414}));
    EXPECT_EQ(PlacePane(PaneKind::Search, kSmall, {kMain}), (PixelRect{1128, 219, 1279, 414}));
}

TEST(PanePlacement, RecorderAndSchedulerStandLeftOfTheWindow) {
    const PixelRect recorder = PlacePane(PaneKind::Recorder, kWide, {kMain});
    EXPECT_EQ(recorder, (PixelRect{667, 2, 1126, 217}));
    EXPECT_EQ(PlacePane(PaneKind::Scheduler, kWide, {kMain, std::nullopt, recorder}),
              (PixelRect{667, 219, 1126, 434}));
    EXPECT_EQ(PlacePane(PaneKind::Scheduler, kWide, {kMain}), recorder);
}

}  // namespace
