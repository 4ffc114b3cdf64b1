#include "favorites/dlg_favorites.h"

#include "favorites/favorite_station.h"
#include "favorites/favorites_pane_layout.h"
#include "res/panes_ids.h"
#include "res/skin_ids.h"
#include "skin/place_control.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kListHeight = 96;
constexpr int kPaneHeight = 161;
constexpr int kPaneWidth = 150;

}  // namespace

CDlgFavorites::CDlgFavorites(HWND owner, StationPlayer& player, std::wstring favoritesFile)
    : CResizingDialog(IDD_FAVORITES, owner), player_(player), list_(std::move(favoritesFile)) {}

CDlgFavorites::~CDlgFavorites() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

PaneSize CDlgFavorites::Size() const {
    const SIZE size = WindowSize();
    return {size.cx, size.cy};
}

void CDlgFavorites::PlayFavorite(const FavoriteEntry& favorite) const {
    player_.SelectStation(StationForFavorite(favorite, *stations_));
}

void CDlgFavorites::SetStatusText(const std::wstring& text) {
    if (text.empty() || !status_.Hwnd()) return;
    status_.SetLinkText(text.c_str());
    // The text is drawn transparently: the pane repaints its picture behind it.
    const RECT under = status_.RectInParent();
    Invalidate(under, true);
}

bool CDlgFavorites::OnInitDialog() {
    Dialog::OnInitDialog();
    AttachControl(list_, IDC_FAVORITES_LIST);
    list_.onPlay = [this](const FavoriteEntry& favorite) { PlayFavorite(favorite); };
    list_.InitFavoritesList();

    AttachControl(close_, IDC_FAVORITES_CLOSE);
    close_.SetImages(IDB_CLOSE, kRed);
    SetUpButton(add_, IDC_FAVORITES_ADD, IDB_FAVORITES_ADD);
    SetUpButton(delete_, IDC_FAVORITES_DELETE, IDB_FAVORITES_DELETE);

    AttachControl(status_, IDC_FAVORITES_STATUS);
    status_.textFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    status_.SetLinkFontSize(14, 5);
    status_.SetHandOverText(false);
    status_.SetUnderline(false);
    status_.SetLinkTextColour(RGB(0, 0, 0));
    ApplyMonitorScale();
    return false;
}

// As wide, in the skin's pixels, as the person left it, and as high as its
// least height. The controls are laid out once: by the pane's new size
// (WM_SIZE), or here when it has that size already. Under Wine each move of
// a control costs several round trips to its server.
void CDlgFavorites::ApplyScale() {
    const int width = ScaledWindowSize(WidthInSkin(kPaneWidth), kPaneHeight).cx;
    SetBackground(IDB_PANE_FRAME);
    const SIZE least = TakeLeastSize();
    PlaceControl(list_, RectAt(11, 53, 132, kListHeight));
    PlaceControl(status_, RectAt(3, 19, 143, 14));
    const SIZE now = WindowSize();
    if (now.cx == width && now.cy == least.cy) {
        LayoutControls();
    } else {
        Resize(width, least.cy);
    }
}

void CDlgFavorites::SetUpButton(CButtonST& button, int id, UINT image) {
    AttachControl(button, id);
    button.SetImages(image, kMagenta);
    button.SetDrawBorder(false);
    button.SetTransparentDrawing();
    button.SetBalloonTooltip();
}

// The pane's least size at its scale, which the person cannot size it below.
SIZE CDlgFavorites::TakeLeastSize() {
    const SIZE least = ScaledWindowSize(kPaneWidth, kPaneHeight);
    SetMinSize(static_cast<std::uint16_t>(least.cx), static_cast<std::uint16_t>(least.cy));
    return least;
}

void CDlgFavorites::FitToList() {
    const DisplayScale scale = WindowScale(hwnd_);
    list_.Resize(scale.Scale(132), scale.Scale(kListHeight));
    // The pane is as high as its least height.
    Resize(WindowSize().cx, TakeLeastSize().cy);
}

void CDlgFavorites::LayoutControls() {
    if (!close_.Hwnd()) return;  // sizes before the controls are attached
    // The layout is the skin's, at 100%; its places come out scaled.
    const DisplayScale scale = WindowScale(hwnd_);
    const FavoritesPaneLayout layout = LayoutFavoritesPane(WidthAt100(scale));
    PlaceControl(close_, layout.close);
    PlaceControl(add_, layout.add);
    PlaceControl(delete_, layout.remove);
    list_.Resize(scale.Scale(layout.listWidth), list_.WindowSize().cy);
    list_.SetColumnWidth(1, scale.Scale(layout.nameColumnWidth));
    status_.Resize(scale.Scale(layout.statusWidth), scale.Scale(14));
}

std::optional<LRESULT> CDlgFavorites::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        const std::optional<LRESULT> handled = CResizingDialog::OnMessage(message, wParam, lParam);
        LayoutControls();
        return handled;
    }
    return CResizingDialog::OnMessage(message, wParam, lParam);
}

bool CDlgFavorites::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_FAVORITES_CLOSE:
        Show(SW_HIDE);
        return true;
    case IDC_FAVORITES_ADD:
        AddCurrentStation();
        return true;
    case IDC_FAVORITES_DELETE:
        list_.RemoveCheckedFavorites();
        FitToList();
        LayoutControls();
        return true;
    }
    return false;
}

void CDlgFavorites::AddCurrentStation() {
    const StationInfo current = player_.GetCurrentStation();
    if (current.name.empty()) return;
    list_.AddFavorite({current.name, current.homepage, current.streamlink, current.banner});
    FitToList();
    LayoutControls();
}

std::unique_ptr<DockedPane> CreateFavoritesPane(HWND owner, StationPlayer& player,
                                                std::wstring favoritesFile) {
    auto pane = std::make_unique<CDlgFavorites>(owner, player, std::move(favoritesFile));
    if (!pane->Create()) return nullptr;
    return pane;
}
