#pragma once
// The station browser pane: the categories above, the stations of the chosen
// category below. A click on a station's name plays it, a click on its flag
// opens its home page. The pane keeps its own copy of the directory; the
// rows name stations by their index in it, which is their index in the main
// window's list too.

#include "browser/cat_list.h"
#include "browser/list_ctrl_adv.h"
#include "host/docked_pane.h"
#include "host/station_player.h"
#include "skin/button_st.h"
#include "skin/hyperlink_static.h"
#include "skin/resizing_dialog.h"

#include <array>
#include <memory>
#include <vector>

class CDlgSmall : public CResizingDialog, public DockedPane {
public:
    CDlgSmall(HWND owner, StationPlayer& player);
    // The window goes before the control objects bound to it.
    ~CDlgSmall() override;

    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    void SetStations(const StationList& stations) override;

    void Fill(unsigned mask);

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void ApplyScale() override;

private:
    void LayOut(int clientWidth) const;
    void PlaceLinks(int clientWidth) const;
    void PaintLine(HDC dc) const;
    void PlayStation(std::size_t index) const;
    void OpenHomePage(std::size_t index) const;
    void Close();

    HWND owner_;  // the main window, which owns this pane
    StationPlayer& player_;
    StationList stations_ = MakeStationList();
    CButtonST close_;
    CCatList categories_;
    CListCtrlAdv stationList_;
    std::array<CHyperlinkStatic, 10> links_;
};

std::unique_ptr<DockedPane> CreateStationBrowser(HWND owner, StationPlayer& player);
