#include "web/banner.h"

#include "common/helpers/shell_open.h"

#include <exdispid.h>

namespace {

// The events' arguments arrive last first; `index` counts from the first.
const VARIANT& Argument(const DISPPARAMS& arguments, unsigned index) {
    return arguments.rgvarg[arguments.cArgs - 1 - index];
}

// A text argument, by value or by reference.
std::wstring TextArgument(const DISPPARAMS& arguments, unsigned index) {
    if (index >= arguments.cArgs) return {};
    const VARIANT* value = &Argument(arguments, index);
    if (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal) value = value->pvarVal;
    if (value->vt == VT_BSTR && value->bstrVal) return value->bstrVal;
    if (value->vt == (VT_BYREF | VT_BSTR) && value->pbstrVal && *value->pbstrVal)
        return *value->pbstrVal;
    return {};
}

// The frame argument of an event, null when it has none.
IDispatch* FrameArgument(const DISPPARAMS& arguments) {
    if (arguments.cArgs == 0) return nullptr;
    const VARIANT& frame = Argument(arguments, 0);
    if (frame.vt == VT_DISPATCH) return frame.pdispVal;
    if (frame.vt == (VT_BYREF | VT_DISPATCH) && frame.ppdispVal) return *frame.ppdispVal;
    return nullptr;
}

// BeforeNavigate2: pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel.
constexpr unsigned kUrlArgument = 1;
constexpr unsigned kCancelArgument = 6;
// NavigateError: pDisp, URL, Frame, StatusCode, Cancel.

void Cancel(const DISPPARAMS& arguments, unsigned index) {
    if (index >= arguments.cArgs) return;
    const VARIANT& cancel = Argument(arguments, index);
    if (cancel.vt == (VT_BYREF | VT_BOOL) && cancel.pboolVal) *cancel.pboolVal = VARIANT_TRUE;
}

}  // namespace

bool CBanner::Create(HWND dialog, const RECT& place, const std::wstring& siteBaseUrl,
                     const std::wstring& localPage, const wchar_t* tooltip, BannerHost& host) {
    siteBaseUrl_ = siteBaseUrl;
    localPage_ = localPage;
    host_ = &host;
    const bool created = browser_.Create(
        dialog, place, [this](DISPID event, const DISPPARAMS& args) { OnEvent(event, args); },
        [this](const MSG& message) { tooltip_.Relay(message); });
    if (HWND window = browser_.ControlWindow()) tooltip_.CreateBalloon(window, tooltip);
    return created;
}

void CBanner::OnEvent(DISPID event, const DISPPARAMS& arguments) {
    switch (event) {
        case DISPID_BEFORENAVIGATE2:
            OnBeforeNavigate(arguments);
            break;
        case DISPID_NEWWINDOW2:
            host_->StopPlayback();
            break;
        case DISPID_NAVIGATEERROR:
            OnNavigateError(arguments);
            break;
    }
}

void CBanner::Navigate(const std::wstring& url) {
    playerNavigation_ = url;
    browser_.Navigate(url);
}

BannerNavigationOrigin CBanner::OriginOf(const DISPPARAMS& arguments, const std::wstring& url) {
    if (!browser_.IsTopLevel(FrameArgument(arguments))) return BannerNavigationOrigin::SubFrame;
    if (playerNavigation_.empty() || url != playerNavigation_) return BannerNavigationOrigin::PaneLink;
    playerNavigation_.clear();
    return BannerNavigationOrigin::Player;
}

void CBanner::OnBeforeNavigate(const DISPPARAMS& arguments) {
    const std::wstring url = TextArgument(arguments, kUrlArgument);
    const BannerNavigation decision = DecideBannerNavigation(
        url, BannerPlaces{siteBaseUrl_, localPage_}, OriginOf(arguments, url));
    if (decision == BannerNavigation::Proceed) return;
    Cancel(arguments, kCancelArgument);
    // The address goes on as the banner wrote it: web servers tell case apart.
    if (decision == BannerNavigation::CancelAndPlay) host_->PlayLink(url);
    if (decision == BannerNavigation::CancelAndOpen) OpenWebPage(nullptr, url);
}

// The local page failing too would send the browser round in a circle; it
// then shows its own error page.
void CBanner::OnNavigateError(const DISPPARAMS& arguments) {
    if (!IsLocalBannerPage(TextArgument(arguments, kUrlArgument), localPage_)) NavigateToLocalPage();
}
