#pragma once
// The info and search panes: a skinned pane below the main window with a web
// browser showing one page of the directory site and a close button that
// hides it. Where the system cannot render HTML the browser stays blank; the
// pane and its button still work. The page opens through the opener the
// main window gives, so a refused https site leaves the browser blank, as a
// page that fails to load under Wine does, instead of asking in a box.

#include "common/com/web_browser_control.h"
#include "host/docked_pane.h"
#include "host/page_opener.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"

#include <memory>
#include <optional>
#include <string>

struct WebPaneParts {
    UINT templateId;
    // Shows nowhere (there is no caption bar); it tells the windows apart.
    const wchar_t* name;
    int closeId;
    const wchar_t* page;  // relative to the site's base URL
    // Enter goes to the page (a search form) instead of closing the pane.
    bool enterToPage;
};

class CWebPaneDlg : public CBitmapDialog, public DockedPane {
public:
    CWebPaneDlg(const WebPaneParts& parts, HWND owner, std::wstring siteBaseUrl,
                std::unique_ptr<PageOpener> pages);
    ~CWebPaneDlg() override;

    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ApplyScale() override;

private:
    RECT BrowserPlace() const;

    WebPaneParts parts_;
    std::wstring siteBaseUrl_;
    std::unique_ptr<PageOpener> pages_;
    WebBrowserControl browser_;
    CButtonST close_;
};

class CDlgInfo final : public CWebPaneDlg {
public:
    CDlgInfo(HWND owner, std::wstring siteBaseUrl, std::unique_ptr<PageOpener> pages);
};

class CDlgSearch final : public CWebPaneDlg {
public:
    CDlgSearch(HWND owner, std::wstring siteBaseUrl, std::unique_ptr<PageOpener> pages);
};

// Made hidden, showing the page of the site the settings name; null when the
// window cannot be made.
std::unique_ptr<DockedPane> CreateInfoPane(HWND owner, std::unique_ptr<PageOpener> pages);
std::unique_ptr<DockedPane> CreateSearchPane(HWND owner, std::unique_ptr<PageOpener> pages);
