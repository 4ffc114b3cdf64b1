#pragma once
// The banner pane of the main window: a web browser control in the dialog
// that shows the directory site's banner or the current station's. Links out
// of it never open inside it: an MP3 plays in the player, a web page opens in
// the user's browser, anything else is dropped. A page that fails to load
// gives way to the local banner page.

#include "common/com/web_browser_control.h"
#include "skin/hover_tooltip.h"
#include "web/banner_navigation.h"

#include <windows.h>

#include <string>

// What the banner asks of the main window.
class BannerHost {
public:
    virtual ~BannerHost() = default;
    // As the stop button.
    virtual void StopPlayback() = 0;
    // Stop, then play this web address in the media player.
    virtual void PlayLink(const std::wstring& url) = 0;
};

class CBanner {
public:
    // `place` is in the dialog's client pixels. False when the system has
    // no web browser control; the pane then stays empty.
    bool Create(HWND dialog, const RECT& place, const std::wstring& siteBaseUrl,
                const std::wstring& localPage, const wchar_t* tooltip, BannerHost& host);
    void Navigate(const std::wstring& url);
    void NavigateToLocalPage() { Navigate(localPage_); }
    void Show(bool show) const { browser_.Show(show); }
    void Move(const RECT& place) const { browser_.Move(place); }
    void Close() { browser_.Close(); }

private:
    void OnEvent(DISPID event, const DISPPARAMS& arguments);
    void OnBeforeNavigate(const DISPPARAMS& arguments);
    void OnNavigateError(const DISPPARAMS& arguments);
    BannerNavigationOrigin OriginOf(const DISPPARAMS& arguments, const std::wstring& url);

    WebBrowserControl browser_;
    HoverTooltip tooltip_;
    std::wstring siteBaseUrl_;
    std::wstring localPage_;
    std::wstring playerNavigation_;  // the page the player last opened, until it starts
    BannerHost* host_ = nullptr;  // the main window, which outlives the banner
};
