#pragma once
// The favourites pane: the station playing on top, "+ Add" and delete
// buttons, and the favourites list. A favourite is added from the station
// playing and plays with the now-playing source of the directory station of
// the same name.

#include "favorites/fav_list_ctrl.h"
#include "host/docked_pane.h"
#include "host/station_player.h"
#include "skin/button_st.h"
#include "skin/hyperlink_static.h"
#include "skin/resizing_dialog.h"

#include <memory>
#include <string>
#include <vector>

class CDlgFavorites : public CResizingDialog, public DockedPane {
public:
    CDlgFavorites(HWND owner, StationPlayer& player, std::wstring favoritesFile);
    // The window goes while the list object still exists, so the list
    // saves the favourites on its way out.
    ~CDlgFavorites() override;

    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    void SetStations(const StationList& stations) override { stations_ = stations; }
    void OnStationChanged(const StationInfo& station) override { SetStatusText(station.name); }

    void PlayFavorite(const FavoriteEntry& favorite) const;
    void SetStatusText(const std::wstring& text);
    void FitToList();
    void LayoutControls();

    const CFavListCtrl& List() const { return list_; }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    void ApplyScale() override;
    SIZE TakeLeastSize();
    void SetUpButton(CButtonST& button, int id, UINT image);
    void AddCurrentStation();

    StationPlayer& player_;
    StationList stations_ = MakeStationList();
    CFavListCtrl list_;
    CButtonST close_;
    CButtonST add_;
    CButtonST delete_;
    CHyperlinkStatic status_;
};

// The pane over favorites.xml in the program's folder, or a file of the
// caller's choosing.
std::unique_ptr<DockedPane> CreateFavoritesPane(HWND owner, StationPlayer& player,
                                                std::wstring favoritesFile = FavoritesFilePath());
