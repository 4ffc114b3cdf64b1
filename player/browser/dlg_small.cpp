#include "browser/dlg_small.h"

#include "browser/station_browser_layout.h"
#include "common/helpers/shell_open.h"
#include "directory/station_categories.h"
#include "host/player_messages.h"
#include "res/panes_ids.h"
#include "res/skin_ids.h"
#include "skin/place_control.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLineColour = RGB(83, 118, 141);
constexpr int kSkinWidth = 150;
constexpr int kSkinHeight = 316;

// The masks of the labels 1111-1120, in that order.
constexpr std::array<unsigned, 10> kLinkMasks{
    0,
    kCategoryClassical,
    kCategoryCountry,
    kCategoryDanceTechno,
    kCategoryJazzBlues,
    kCategoryMix,
    kCategoryNewsTalk,
    kCategoryRapRnb,
    kCategoryRock,
    kCategoryTop40,
};
constexpr int kLinksTop = 236;
constexpr int kLinkHeight = 14;

}  // namespace

CDlgSmall::CDlgSmall(HWND owner, StationPlayer& player)
    : CResizingDialog(IDD_STATION_BROWSER, owner), owner_(owner), player_(player) {}

CDlgSmall::~CDlgSmall() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

PaneSize CDlgSmall::Size() const {
    const SIZE size = WindowSize();
    return {size.cx, size.cy};
}

void CDlgSmall::SetStations(const StationList& stations) {
    stations_ = stations;
    if (!hwnd_) return;
    stationList_.ForgetFlags();
    categories_.ClearChoice();
    Fill(0);
}

void CDlgSmall::Fill(unsigned mask) { stationList_.FillStations(stations_, mask); }

bool CDlgSmall::OnInitDialog() {
    Dialog::OnInitDialog();
    AttachControl(close_, IDC_BROWSER_CLOSE);
    close_.SetImages(IDB_CLOSE, kRed);
    close_.SetDrawBorder(false);

    AttachControl(categories_, IDC_BROWSER_CATEGORIES);
    categories_.onCategoryChosen = [this](unsigned mask) { Fill(mask); };
    categories_.Fill();

    AttachControl(stationList_, IDC_BROWSER_STATIONS);
    stationList_.onPlay = [this](std::size_t index) { PlayStation(index); };
    stationList_.onOpenHomePage = [this](std::size_t index) { OpenHomePage(index); };

    for (std::size_t i = 0; i < links_.size(); ++i) {
        AttachControl(links_[i], IDC_BROWSER_LINK_FIRST + static_cast<int>(i));
    }
    ApplyMonitorScale();
    Fill(0);
    return false;
}

// As wide, in the skin's pixels, as the person left it.
void CDlgSmall::ApplyScale() {
    const SIZE size = ScaledWindowSize(WidthInSkin(kSkinWidth), kSkinHeight);
    const SIZE least = ScaledWindowSize(kSkinWidth, kSkinHeight);
    SetBackground(IDB_PANE_FRAME);
    SetMinSize(static_cast<std::uint16_t>(least.cx), static_cast<std::uint16_t>(least.cy));
    // A new size lays the pane out (WM_SIZE) as a person's resizing does;
    // the first time, the template may already have that size.
    const bool first = !AppliedScale();
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (first) LayOut(ClientRect().right);
}

std::optional<LRESULT> CDlgSmall::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        const std::optional<LRESULT> handled = CResizingDialog::OnMessage(message, wParam, lParam);
        LayOut(LOWORD(lParam));
        return handled;
    }
    case WM_ERASEBKGND: {
        const std::optional<LRESULT> handled = CResizingDialog::OnMessage(message, wParam, lParam);
        PaintLine(reinterpret_cast<HDC>(wParam));
        return handled;
    }
    }
    return CResizingDialog::OnMessage(message, wParam, lParam);
}

bool CDlgSmall::OnCommand(int id, int notifyCode) {
    if (id == IDC_BROWSER_CLOSE && notifyCode == BN_CLICKED) {
        Close();
        return true;
    }
    if (id >= IDC_BROWSER_LINK_FIRST && id <= IDC_BROWSER_LINK_LAST && notifyCode == STN_CLICKED) {
        categories_.ClearChoice();
        Fill(kLinkMasks[id - IDC_BROWSER_LINK_FIRST]);
        return true;
    }
    return false;
}

// The layout is the skin's, at 100%: the client width goes back to it, the
// places come out scaled.
void CDlgSmall::LayOut(int clientWidth) const {
    if (!close_.Hwnd()) return;  // sizes before the controls are attached
    const DisplayScale scale = WindowScale(hwnd_);
    const int skinWidth = scale.Unscale(clientWidth);
    const StationBrowserLayout layout = LayoutStationBrowser(skinWidth);
    PlaceControl(close_, layout.close);
    PlaceControl(categories_, layout.categories);
    PlaceControl(stationList_, layout.stations);
    stationList_.SetColumnWidth(1, scale.Scale(layout.nameColumnWidth));
    PlaceLinks(skinWidth);
}

void CDlgSmall::PlaceLinks(int clientWidth) const {
    // Two columns of five under the station list.
    const int columnWidth = (clientWidth - 14) / 2;
    for (std::size_t i = 0; i < links_.size(); ++i) {
        const int column = static_cast<int>(i % 2);
        const int row = static_cast<int>(i / 2);
        PlaceControl(links_[i], RectAt(5 + column * columnWidth, kLinksTop + row * kLinkHeight,
                                       columnWidth, kLinkHeight));
    }
}

void CDlgSmall::PaintLine(HDC dc) const {
    const int top = WindowScale(hwnd_).Scale(kBrowserLineY);
    const RECT line{0, top, ClientRect().right, top + WindowScale(hwnd_).Scale(1)};
    ScopedBrush brush(CreateSolidBrush(kLineColour));
    FillRect(dc, &line, brush.Get());
}

void CDlgSmall::PlayStation(std::size_t index) const {
    if (index < stations_->size()) player_.SelectStation((*stations_)[index]);
}

void CDlgSmall::OpenHomePage(std::size_t index) const {
    // The directory comes from the network: only web pages open.
    if (index < stations_->size()) OpenWebPage(hwnd_, (*stations_)[index].homepage);
}

void CDlgSmall::Close() {
    Show(SW_HIDE);
    if (owner_) PostMessageW(owner_, WM_BROWSER_PANE_MOVED, 0, 0);
}

std::unique_ptr<DockedPane> CreateStationBrowser(HWND owner, StationPlayer& player) {
    auto pane = std::make_unique<CDlgSmall>(owner, player);
    if (!pane->Create()) return nullptr;
    return pane;
}
