#include "web/web_pane_dlg.h"

#include "common/ports/registry_win32.h"
#include "host/player_messages.h"
#include "host/site_urls.h"
#include "res/skin_ids.h"
#include "res/web_pane_ids.h"
#include "skin/place_control.h"

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr int kPaneWidth = 151;
constexpr int kPaneHeight = 195;
constexpr PixelRect kBrowserPlace = RectAt(3, 28, 145, 164);
constexpr PixelRect kClosePlace = RectAt(132, 8, 12, 11);

constexpr WebPaneParts kInfoParts{IDD_INFO, L"Station info", IDC_INFO_CLOSE, L"info/main.html",
                                  false};
constexpr WebPaneParts kSearchParts{IDD_SEARCH, L"Search the web", IDC_SEARCH_CLOSE,
                                    L"info/zoeken.html", true};

template <class Pane>
std::unique_ptr<DockedPane> CreatePane(HWND owner, std::unique_ptr<PageOpener> pages) {
    Win32Registry registry;
    auto pane = std::make_unique<Pane>(owner, SiteBaseUrl(registry), std::move(pages));
    if (!pane->Create()) return nullptr;
    return pane;
}

}  // namespace

CWebPaneDlg::CWebPaneDlg(const WebPaneParts& parts, HWND owner, std::wstring siteBaseUrl,
                         std::unique_ptr<PageOpener> pages)
    : CBitmapDialog(parts.templateId, owner),
      parts_(parts),
      siteBaseUrl_(std::move(siteBaseUrl)),
      pages_(std::move(pages)) {
    SetKeyColour(kKeyColour);
    SetShaped(true);
}

CWebPaneDlg::~CWebPaneDlg() { browser_.Close(); }

PaneSize CWebPaneDlg::Size() const {
    return {Scale().Scale(kPaneWidth), Scale().Scale(kPaneHeight)};
}

bool CWebPaneDlg::OnInitDialog() {
    CBitmapDialog::OnInitDialog();
    SetText(parts_.name);
    AttachSkinnedButton(close_, Item(parts_.closeId), IDB_CLOSE, kKeyColour);
    if (browser_.Create(hwnd_, BrowserPlace())) {
        // A refused page leaves the browser as it is: blank.
        pages_->Open(
            hwnd_, siteBaseUrl_ + parts_.page,
            [this](const std::wstring& url) { browser_.Navigate(url); }, [] {});
    }
    ApplyMonitorScale();
    return false;
}

void CWebPaneDlg::ApplyScale() {
    ResizeToSkin(kPaneWidth, kPaneHeight);
    SetBackground(IDB_WEB_PANE);
    SetDragRegion(IDB_WEB_PANE_DRAG);
    PlaceControl(Item(parts_.closeId), kClosePlace);
    browser_.Move(BrowserPlace());
}

RECT CWebPaneDlg::BrowserPlace() const {
    const PixelRect browser = Scale().Scale(kBrowserPlace);
    return {browser.left, browser.top, browser.right, browser.bottom};
}

bool CWebPaneDlg::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == parts_.closeId || id == IDOK || id == IDCANCEL) {
        // The pane stays, hidden, until the main window ends.
        Show(SW_HIDE);
        return true;
    }
    return false;
}

std::optional<LRESULT> CWebPaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CERTIFICATE_CHECKED) {
        pages_->OnChecked(wParam == 1, lParam);
        return 0;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

bool CWebPaneDlg::PreTranslateMessage(MSG& message) {
    const HWND page = browser_.ControlWindow();
    const bool onPage = page && (message.hwnd == page || IsChild(page, message.hwnd));
    if (parts_.enterToPage && onPage && message.message == WM_KEYDOWN &&
        message.wParam == VK_RETURN)
        return false;
    return CBitmapDialog::PreTranslateMessage(message);
}

CDlgInfo::CDlgInfo(HWND owner, std::wstring siteBaseUrl, std::unique_ptr<PageOpener> pages)
    : CWebPaneDlg(kInfoParts, owner, std::move(siteBaseUrl), std::move(pages)) {}

CDlgSearch::CDlgSearch(HWND owner, std::wstring siteBaseUrl, std::unique_ptr<PageOpener> pages)
    : CWebPaneDlg(kSearchParts, owner, std::move(siteBaseUrl), std::move(pages)) {}

std::unique_ptr<DockedPane> CreateInfoPane(HWND owner, std::unique_ptr<PageOpener> pages) {
    return CreatePane<CDlgInfo>(owner, std::move(pages));
}

std::unique_ptr<DockedPane> CreateSearchPane(HWND owner, std::unique_ptr<PageOpener> pages) {
    return CreatePane<CDlgSearch>(owner, std::move(pages));
}
