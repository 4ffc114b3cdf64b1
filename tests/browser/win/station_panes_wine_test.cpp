// The station browser and favourites panes over a stand-in for the main
// window, with the demo site's directory, driven by real mouse clicks.

#include "browser/dlg_small.h"
#include "browser/list_ctrl_adv.h"
#include "directory/station_categories.h"
#include "directory/station_directory.h"
#include "favorites/dlg_favorites.h"
#include "res/panes_ids.h"
#include "skin/resizing_dialog.h"
#include "tests/support/scratch_file.h"
#include "tests/support/site_under_test.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

// Records what the panes ask of the main window.
class StandInPlayer : public StationPlayer {
public:
    void SelectStation(const StationInfo& station) override {
        current = station;
        ++selections;
    }
    StationInfo GetCurrentStation() const override { return current; }

    StationInfo current;
    int selections = 0;
};

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

// A real click: the pointer moves there and the button goes down and up.
void ClickAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    PumpFor(400);
}

// The pointer rests there (a move of its own, as the hand makes it).
void HoverAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x - 1, client.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 1;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof(INPUT));
    PumpFor(2000);
}

// The text of the tip `owner`'s tooltip shows now; empty when none shows.
std::wstring ShownTip(HWND owner) {
    struct Search {
        HWND owner;
        std::wstring text;
    } search{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (std::wstring(className) != TOOLTIPS_CLASSW || !IsWindowVisible(window)) return TRUE;
            wchar_t text[256] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = search.owner;
            tool.uId = 1;
            tool.lpszText = text;
            SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
            search.text = text;
            return search.text.empty();
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

RECT RowRect(HWND list, int row) {
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

std::wstring ItemText(HWND list, int row) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

StationTable DemoDirectory() {
    const std::string bytes = SiteFile(L"stations.xml").value_or("");
    const std::wstring text(bytes.begin(), bytes.end());
    std::wstring folder = L"Z:" + std::wstring(VELMORA_SITE_DIR L"/public/");
    for (wchar_t& c : folder) {
        if (c == L'/') c = L'\\';
    }
    StationTable stations;
    ParseStations(text, folder, stations);
    return stations;
}

std::vector<std::wstring> RowNames(const CListCtrlAdv& list) {
    std::vector<std::wstring> names;
    for (std::size_t row = 0; row < list.Rows().size(); ++row) {
        names.emplace_back(list.RowName(row));
    }
    return names;
}

std::vector<std::wstring> NamesInCategory(const StationTable& stations, unsigned mask) {
    std::vector<std::wstring> names;
    for (std::size_t index : StationsInCategory(stations, mask)) {
        names.emplace_back(stations.Name(index));
    }
    return names;
}

void ShowAt(HWND pane, int x, int y) {
    SetWindowPos(pane, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(pane);
    PumpFor(300);
}

class StationPanes : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        stations_ = DemoDirectory();
        ASSERT_GE(stations_.size(), 10u);
        owner_ = CreateWindowExW(0, L"STATIC", L"Stand-in main window", WS_POPUP, 0, 0, 150, 200,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    StationTable stations_;
    StandInPlayer player_;
    HWND owner_ = nullptr;
};

TEST_F(StationPanes, BrowseChooseAStationAndKeepItAsAFavourite) {
    std::unique_ptr<DockedPane> browser = CreateStationBrowser(owner_, player_);
    ASSERT_NE(browser, nullptr);
    browser->SetStations(MakeStationList(stations_));
    const HWND pane = browser->PaneWindow();
    ShowAt(pane, 300, 40);
    EXPECT_EQ(browser->Size().width, 150);

    // The categories, in the browser's order.
    const HWND categories = GetDlgItem(pane, IDC_BROWSER_CATEGORIES);
    ASSERT_EQ(SendMessageW(categories, LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(kStationCategories.size()));
    for (std::size_t i = 0; i < kStationCategories.size(); ++i) {
        EXPECT_EQ(ItemText(categories, static_cast<int>(i)), kStationCategories[i].name);
    }

    const HWND stationList = GetDlgItem(pane, IDC_BROWSER_STATIONS);
    auto* list = dynamic_cast<CListCtrlAdv*>(Control::FromHandle(stationList));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(RowNames(*list), NamesInCategory(stations_, 0));

    // A click on a category shows only its stations.
    for (int row : {1, 3}) {
        const RECT rect = RowRect(categories, row);
        ClickAt(categories, {10, (rect.top + rect.bottom) / 2});
        EXPECT_EQ(RowNames(*list), NamesInCategory(stations_, kStationCategories[row].mask))
            << "category " << row;
        EXPECT_EQ(SendMessageW(stationList, LVM_GETITEMCOUNT, 0, 0),
                  static_cast<LRESULT>(list->Rows().size()));
    }
    // The labels under the list filter too.
    const HWND rock = GetDlgItem(pane, IDC_BROWSER_LINK_FIRST + 8);
    EXPECT_EQ(WindowText(rock), L"Rock");
    ClickAt(rock, {4, 6});
    EXPECT_EQ(RowNames(*list), NamesInCategory(stations_, kCategoryRock));
    const RECT all = RowRect(categories, 0);
    ClickAt(categories, {10, (all.top + all.bottom) / 2});
    EXPECT_EQ(RowNames(*list), NamesInCategory(stations_, 0));

    // One picture per flag file, however many stations show it.
    EXPECT_LT(list->FlagCount(), stations_.size());

    // The first row's flag is drawn; the rest of its row is the pane colour.
    UpdateWindow(stationList);
    const RECT first = RowRect(stationList, 0);
    {
        HDC dc = GetDC(stationList);
        EXPECT_NE(GetPixel(dc, 10, first.top + 6), kPaneColour);
        EXPECT_EQ(GetPixel(dc, 100, first.top + 1), kPaneColour);
        ReleaseDC(stationList, dc);
    }

    // Resting over the list shows how it works.
    HoverAt(stationList, {60, (first.top + first.bottom) / 2});
    EXPECT_EQ(ShownTip(stationList),
              L"Click on flag to open homepage and click on station name to play it.");

    // A click on the name plays the station; one on the edge of a cell does nothing.
    ClickAt(stationList, {26, (first.top + first.bottom) / 2});
    EXPECT_EQ(player_.selections, 0);
    const RECT third = RowRect(stationList, 2);
    ClickAt(stationList, {60, (third.top + third.bottom) / 2});
    ASSERT_EQ(player_.selections, 1);
    const StationInfo chosen = stations_[list->Rows()[2].index];
    EXPECT_EQ(player_.current.name, chosen.name);
    EXPECT_EQ(player_.current.streamlink, chosen.streamlink);
    // The click takes the focus (the wheel scrolls the list) and selects no
    // row: none is drawn, and under Wine moving a selection off a row of a
    // long virtual list visits every row while the window waits.
    EXPECT_EQ(GetFocus(), stationList);
    EXPECT_EQ(SendMessageW(stationList, LVM_GETSELECTEDCOUNT, 0, 0), 0);

    // The favourites pane below the browser.
    const std::wstring file = ScratchFile(L"favorites.xml");
    std::unique_ptr<DockedPane> favorites = CreateFavoritesPane(owner_, player_, file);
    ASSERT_NE(favorites, nullptr);
    favorites->SetStations(MakeStationList(stations_));
    RECT browserRect{};
    GetWindowRect(pane, &browserRect);
    ShowAt(favorites->PaneWindow(), browserRect.left, browserRect.bottom + 2);
    EXPECT_EQ(favorites->Size().width, 150);
    EXPECT_EQ(favorites->Size().height, 161 + 2 * GetSystemMetrics(SM_CYSIZEFRAME));
    favorites->OnStationChanged(player_.current);
    EXPECT_EQ(WindowText(GetDlgItem(favorites->PaneWindow(), IDC_FAVORITES_STATUS)), chosen.name);

    // "+ Add" adds the station playing.
    const HWND add = GetDlgItem(favorites->PaneWindow(), IDC_FAVORITES_ADD);
    RECT addRect{};
    GetClientRect(add, &addRect);
    ClickAt(add, {addRect.right / 2, addRect.bottom / 2});
    auto* favoritesPane = dynamic_cast<CDlgFavorites*>(favorites.get());
    ASSERT_EQ(favoritesPane->List().Favorites().Entries().size(), 1u);
    EXPECT_EQ(favoritesPane->List().Favorites().Entries()[0].name, chosen.name);
    // On disk at once, not only when the pane goes: a crash or a shutdown
    // loses no favourite.
    EXPECT_NE(ReadBytes(file).find("name=\"" + std::string(chosen.name.begin(), chosen.name.end())),
              std::string::npos);

    // The tip names the check boxes over their column only.
    const HWND favoritesList = GetDlgItem(favorites->PaneWindow(), IDC_FAVORITES_LIST);
    const RECT favourite = RowRect(favoritesList, 0);
    HoverAt(favoritesList, {12, (favourite.top + favourite.bottom) / 2});
    EXPECT_EQ(ShownTip(favoritesList), L"Selecteer");

    // A click on the favourite plays it with its directory station's
    // now-playing source.
    player_.current = {};
    ClickAt(favoritesList, {50, (favourite.top + favourite.bottom) / 2});
    EXPECT_EQ(player_.selections, 2);
    EXPECT_EQ(player_.current.name, chosen.name);
    EXPECT_EQ(player_.current.current, chosen.current);
    EXPECT_EQ(player_.current.tfirst, chosen.tfirst);

    // The file is written when the pane goes and read by the next one.
    favorites.reset();
    EXPECT_NE(ReadBytes(file).find("streamlink"), std::string::npos);
    std::unique_ptr<DockedPane> again = CreateFavoritesPane(owner_, player_, file);
    ASSERT_NE(again, nullptr);
    const auto& kept = dynamic_cast<CDlgFavorites*>(again.get())->List().Favorites().Entries();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].name, chosen.name);
    EXPECT_EQ(kept[0].streamlink, chosen.streamlink);
}

}  // namespace
