#pragma once
// The info and search panes: a skinned pane below the main window with a web
// browser showing one page of the directory site and a close button that
// hides it. Where the system cannot render HTML the browser stays blank; the
// pane and its button still work.

#include "common/com/web_browser_control.h"
#include "host/docked_pane.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"

#include <memory>
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
    CWebPaneDlg(const WebPaneParts& parts, HWND owner, std::wstring siteBaseUrl);
    ~CWebPaneDlg() override;

    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void ApplyScale() override;

private:
    RECT BrowserPlace() const;

    WebPaneParts parts_;
    std::wstring siteBaseUrl_;
    WebBrowserControl browser_;
    CButtonST close_;
};

class CDlgInfo final : public CWebPaneDlg {
public:
    CDlgInfo(HWND owner, std::wstring siteBaseUrl);
};

class CDlgSearch final : public CWebPaneDlg {
public:
    CDlgSearch(HWND owner, std::wstring siteBaseUrl);
};

// Made hidden, showing the page of the site the settings name; null when the
// window cannot be made.
std::unique_ptr<DockedPane> CreateInfoPane(HWND owner);
std::unique_ptr<DockedPane> CreateSearchPane(HWND owner);
