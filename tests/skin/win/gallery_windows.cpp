#include "tests/skin/win/gallery_windows.h"

#include "res/skin_ids.h"
#include "common/scale/window_scale.h"

#include <commctrl.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

void PlaceControl(HWND control, RECT place) {
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
}

RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

}  // namespace

void GalleryMain::SetUpButton(CButtonST& button, int id, UINT image, RECT place) {
    AttachControl(button, id);
    PlaceControl(button, place);
    button.SetImages(image, kMagenta);
    button.SetDrawBorder(false);
    button.SetTransparentDrawing();
}

bool GalleryMain::OnInitDialog() {
    Dialog::OnInitDialog();
    SetText(L"Skin gallery main");
    // The picture decides the size; the region is cut where the window stands.
    SetWindowPos(hwnd_, nullptr, kMainAt.x, kMainAt.y, 150, 215, SWP_NOZORDER | SWP_NOACTIVATE);
    SetShaped(true);
    SetKeyColour(kMagenta);
    SetBackground(IDB_MAIN_FULL);
    SetDragRegion(IDB_MAIN_DRAG);

    SetUpButton(buttons_[0], IDC_COMPACT, IDB_COMPACT, At(102, 6, 12, 11));
    SetUpButton(buttons_[1], IDC_HIDE, IDB_HIDE, At(117, 6, 12, 11));
    SetUpButton(buttons_[2], IDC_SWITCH_OFF, IDB_SWITCH_OFF, At(132, 6, 12, 11));
    SetUpButton(buttons_[3], IDC_STOP, IDB_STOP, At(5, 189, 20, 20));
    SetUpButton(buttons_[4], IDC_PLAY, IDB_PLAY, At(26, 189, 20, 20));
    SetUpButton(buttons_[5], IDC_MUTE, IDB_MUTE_OFF, At(47, 189, 20, 20));
    SetUpButton(buttons_[6], IDC_RECORDER, IDB_RECORDER_BUTTON, At(5, 165, 14, 14));
    SetUpButton(buttons_[7], IDC_FAVORITES, IDB_FAVORITES_BUTTON, At(20, 165, 14, 14));
    SetUpButton(buttons_[8], IDC_SCHEDULER, IDB_SCHEDULER_BUTTON, At(35, 165, 14, 14));
    buttons_[5].SetTooltipText(L"Mute");

    SetUpButton(station_, IDC_STATION, IDB_STATION, At(8, 142, 134, 20));
    stationFont_.Reset(CreateFontW(14, 5, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, L"Arial"));
    station_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(stationFont_.Get()), TRUE);

    AttachControl(volume_, IDC_VOLUME);
    PlaceControl(volume_, kVolumeRect);
    volume_.Send(TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    volume_.Send(TBM_SETTICFREQ, 1);
    volume_.SetSkin(IDB_SLIDER_FULL, IDB_SLIDER_THUMB);
    volume_.SetTipFlags(kTipShowValue | kTipFollowThumb);
    volume_.SetPosition(0);

    AttachControl(status_, IDC_STATUS);
    PlaceControl(status_, At(48, 166, 89, 13));
    status_.SetLinkFontSize(13, 4);
    status_.SetHandOverText(false);
    status_.SetUnderline(false);
    status_.SetLinkTextColour(RGB(0, 0, 0));

    AttachControl(go_, IDC_GO);
    PlaceControl(go_, At(119, 98, 20, 13));
    go_.SetLinkFontSize(14, 5);
    go_.SetBold(true);
    go_.SetUnderline(false);
    go_.SetLinkTextColour(RGB(0, 0, 160));

    AttachControl(search_, IDC_SEARCH);
    PlaceControl(search_, At(8, 98, 105, 17));
    SendMessageW(search_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Type in search word"));

    AttachControl(links_, IDC_LINKS);
    PlaceControl(links_, At(8, 120, 116, 17));
    links_.SetText(L"Velmora site");
    PlaceControl(Item(IDC_LINKS_SPIN), At(126, 119, 16, 19));
    return true;
}

bool GalleryPicture::OnInitDialog() {
    Dialog::OnInitDialog();
    SetText(L"Skin gallery picture");
    SetWindowPos(hwnd_, nullptr, at_.x, at_.y, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SetShaped(true);
    SetKeyColour(kMagenta);
    SetBackground(picture_);
    if (strip_) SetDragRegion(strip_);
    return true;
}

bool GalleryPane::OnInitDialog() {
    Dialog::OnInitDialog();
    SetText(L"Skin gallery pane");
    const int frameHeight = GetSystemMetrics(SM_CYSIZEFRAME);
    SetBackground(IDB_PANE_FRAME);
    SetMinSize(150, static_cast<std::uint16_t>(316 + 2 * frameHeight));
    SetWindowPos(hwnd_, nullptr, kPaneAt.x, kPaneAt.y, 150, 316 + 2 * frameHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int width = ClientRect().right;

    AttachControl(close_, IDC_PANE_CLOSE);
    PlaceControl(close_, At(width - 20, 3, 12, 11));
    close_.SetImages(IDB_CLOSE, kRed);

    AttachControl(status_, IDC_PANE_STATUS);
    PlaceControl(status_, At(3, 19, width - 6, 14));
    status_.textFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    status_.SetLinkFontSize(14, 5);
    status_.SetHandOverText(false);
    status_.SetUnderline(false);
    status_.SetLinkTextColour(RGB(0, 0, 0));

    for (auto [button, id, image, place] :
         {std::tuple{&add_, IDC_PANE_ADD, IDB_FAVORITES_ADD, At(11, 36, 63, 18)},
          std::tuple{&delete_, IDC_PANE_DELETE, IDB_FAVORITES_DELETE,
                     At(width / 2 - 2, 36, 67, 18)}}) {
        AttachControl(*button, id);
        PlaceControl(*button, place);
        button->SetImages(image, kMagenta);
        button->SetDrawBorder(false);
        button->SetTransparentDrawing();
        button->SetBalloonTooltip();
    }

    checkOff_.Reset(LoadSkinBitmap(IDB_CHECK_OFF, WindowScale(hwnd_)));
    checkOn_.Reset(LoadSkinBitmap(IDB_CHECK_ON, WindowScale(hwnd_)));
    PlaceControl(Item(IDC_PANE_CHECK_OFF), At(11, 64, 21, 16));
    PlaceControl(Item(IDC_PANE_CHECK_ON), At(36, 64, 21, 16));
    SendDlgItemMessageW(hwnd_, IDC_PANE_CHECK_OFF, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(checkOff_.Get()));
    SendDlgItemMessageW(hwnd_, IDC_PANE_CHECK_ON, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(checkOn_.Get()));

    AttachControl(combo_, IDC_PANE_COMBO);
    PlaceControl(combo_, At(11, 90, 116, 100));
    for (const wchar_t* format : {L"MP3", L"WAV"}) {
        combo_.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format));
    }
    combo_.Send(CB_SETCURSEL, 0);
    combo_.SetTooltip(L"Format");

    AttachControl(rename_, IDC_PANE_RENAME);
    PlaceControl(rename_, At(11, 120, 111, 20));
    rename_.SetText(L"Recording001");

    AttachControl(link_, IDC_PANE_LINK);
    PlaceControl(link_, At(11, 150, 120, 14));
    link_.SetLinkFontSize(14, 6);
    link_.SetLinkTextColour(RGB(0, 0, 255));
    return true;
}

std::optional<LRESULT> GalleryButtons::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORDLG) return reinterpret_cast<LRESULT>(pane_.Get());
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

bool GalleryButtons::OnInitDialog() {
    Dialog::OnInitDialog();
    SetText(L"Skin gallery buttons - clicks 0");
    SetWindowPos(hwnd_, nullptr, kButtonsAt.x, kButtonsAt.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = ClientRect();
    const RECT window = RectInParent();
    Resize(window.right - window.left - client.right + 200,
           window.bottom - window.top - client.bottom + 90);

    const int ids[] = {IDC_AT_REST, IDC_HOVER, IDC_PRESSED, IDC_DISABLED, IDC_CAPTION_DISABLED,
                       IDC_COUNTER};
    const RECT places[] = {At(10, 10, 40, 30), At(60, 10, 40, 30), At(110, 10, 40, 30),
                           At(160, 10, 40, 30), At(10, 50, 80, 30), At(110, 50, 80, 30)};
    for (size_t i = 0; i < buttons_.size(); ++i) {
        AttachControl(buttons_[i], ids[i]);
        PlaceControl(buttons_[i], places[i]);
    }
    for (size_t i = 0; i < 4; ++i) buttons_[i].SetImages(IDB_RECORD, kMagenta);
    buttons_[2].Send(BM_SETSTATE, TRUE);
    EnableWindow(buttons_[3], FALSE);
    EnableWindow(buttons_[4], FALSE);
    return true;
}

bool GalleryButtons::OnCommand(int id, int notifyCode) {
    if (id != IDC_COUNTER || notifyCode != BN_CLICKED) return false;
    ++clicks_;
    SetText((L"Skin gallery buttons - clicks " + std::to_wstring(clicks_)).c_str());
    return true;
}
