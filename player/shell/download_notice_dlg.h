#pragma once
// The notices that something the player relies on is missing: a line of
// text, a link to the vendor's download page and a button that closes. The
// links open only their own fixed web addresses.

#include "common/window/dialog.h"
#include "skin/hyperlink_static.h"

struct DownloadNoticeParts {
    UINT templateId;
    int linkId;
    const wchar_t* linkText;
    const wchar_t* downloadPage;
    bool closeOnLink;
};

class CDownloadNotice : public Dialog {
public:
    CDownloadNotice(const DownloadNoticeParts& parts, HWND owner)
        : Dialog(parts.templateId, owner), parts_(parts) {}

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    DownloadNoticeParts parts_;
    CHyperlinkStatic link_;
};

// The recorder needs DirectX 9.
class CDlgDxWarning final : public CDownloadNotice {
public:
    explicit CDlgDxWarning(HWND owner);
};

// The player needs Windows Media Player 10.
class CDlgWMPErr final : public CDownloadNotice {
public:
    explicit CDlgWMPErr(HWND owner);
};
