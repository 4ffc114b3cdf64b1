#include "shell/download_notice_dlg.h"

#include "res/web_pane_ids.h"

namespace {

constexpr DownloadNoticeParts kDxWarning{
    IDD_DX_WARNING, IDC_DX_DOWNLOAD, L"Download DirectX 9.0",
    L"https://www.microsoft.com/en-us/download/details.aspx?id=35", false};
constexpr DownloadNoticeParts kWmpError{
    IDD_WMP_ERROR, IDC_WMP_DOWNLOAD, L"Download Windows Media Player 10.0",
    L"https://www.microsoft.com/windows/windowsmedia/player/10/default.aspx", true};

}  // namespace

bool CDownloadNotice::OnInitDialog() {
    AttachControl(link_, parts_.linkId);
    link_.SetLinkText(parts_.linkText);
    link_.SetLinkTarget(parts_.downloadPage);
    link_.SetLinkFontSize(14, 6);
    link_.SetUnderline(true);
    link_.SetLinkTextColour(RGB(0, 0, 255));
    return true;
}

bool CDownloadNotice::OnCommand(int id, int notifyCode) {
    // The link opens its page itself, on the press.
    if (id == parts_.linkId && notifyCode == STN_CLICKED && parts_.closeOnLink) {
        End(IDOK);
        return true;
    }
    if (id == IDOK || id == IDCANCEL) {
        End(id);
        return true;
    }
    return false;
}

CDlgDxWarning::CDlgDxWarning(HWND owner) : CDownloadNotice(kDxWarning, owner) {}

CDlgWMPErr::CDlgWMPErr(HWND owner) : CDownloadNotice(kWmpError, owner) {}
