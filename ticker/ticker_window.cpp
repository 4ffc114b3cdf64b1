#include "ticker/ticker_window.h"

#include "common/helpers/contained_call.h"

#include "common/com/com_module.h"
#include "common/helpers/web_url.h"
#include "common/ports/registry_win32.h"
#include "common/scale/window_frame.h"
#include "common/scale/window_scale.h"
#include "common/window/device_context.h"
#include "ticker/dc_text_measure.h"
#include "ticker/feed_download_thread.h"
#include "ticker/marquel_resource.h"
#include "ticker/speed_dialog.h"
#include "ticker/ticker_item.h"
#include "ticker/ticker_messages.h"
#include "ticker/ticker_paths.h"
#include "ticker/ticker_settings.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>

namespace {

constexpr char kFirstText[] = "Powered by Tarnel-Net!";
constexpr char kDownloadingText[] = "Downloading! Please Wait!   ";
constexpr UINT_PTR kDownloadTimer = 1;
constexpr UINT kDownloadPeriodMs = 60 * 60 * 1000;
constexpr COLORREF kStripColour = RGB(0, 0, 120);
constexpr COLORREF kScrollAreaColour = RGB(255, 255, 255);
constexpr COLORREF kChannelFieldColour = RGB(226, 236, 245);

// Fills the columns [left, right) of the client area down to `bottom`.
void Fill(HDC dc, int left, int right, int bottom, COLORREF colour) {
    const RECT area{left, 0, right, bottom};
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// OLE for the calling thread around one parse of the cache file.
class OleScope {
public:
    OleScope() : result_(OleInitialize(nullptr)) {}
    ~OleScope() {
        if (result_ != RPC_E_CHANGED_MODE) OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    HRESULT result_;
};

// The strip stands 200 pixels from the screen's left edge; where the screen
// is too narrow for that, as at 200% on a small screen, it moves left as far
// as it must to show whole.
LONG LeftOnScreen(LONG width) {
    return std::max(0L, std::min(200L, GetSystemMetrics(SM_CXSCREEN) - width));
}

// The strip holds a line of text `textHeight` high at its scale and a
// margin of 9 pixels at 100%, frame included.
LONG StripHeight(HWND window, LONG textHeight) {
    const DisplayScale scale = WindowScale(window);
    return FramedWindowSize(window, {0, scale.Unscale(textHeight) + 9}, scale).cy;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

TickerWindow::TickerWindow()
    : cachePath_(WithExtension(ComModule::Path(), L".xml")),
      downloading_(std::make_shared<std::atomic<bool>>(false)) {
    Win32Registry registry;
    const TickerSettings settings = LoadTickerSettings(registry);
    delay_ = settings.delay;
    channelIndex_ = settings.channel;
    feedUrl_ = settings.url;
}

TickerWindow::~TickerWindow() { Destroy(); }

bool TickerWindow::Create(LinkOpener* owner) {
    owner_ = owner;
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return CreateDialogParamA(ComModule::Instance(), MAKEINTRESOURCEA(IDD_TICKER),
                              GetDesktopWindow(), DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void TickerWindow::Destroy() {
    scroller_.Stop();
    if (window_) DestroyWindow(window_);
}

void TickerWindow::SetDelay(std::uint32_t delay) {
    delay_ = delay;
    Win32Registry registry;
    SaveTickerDelay(registry, delay);
}

ScrollBounds TickerWindow::MeasureBounds() const {
    const RECT frame = ScreenRect(window_);
    const RECT spin = ScreenRect(GetDlgItem(window_, IDC_CHANNEL_SPIN));
    const RECT readMore = ScreenRect(readMore_.Handle());
    return {spin.right - frame.left, client_.right - (frame.right - readMore.left)};
}

void TickerWindow::SetDisplayText(const std::string& text) {
    if (!window_) return;
    ClientDC dc(window_);
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
    const RECT frame = ScreenRect(window_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, StripHeight(window_, size.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto image = TextImage::Render(dc.Get(), text);
    {
        std::lock_guard lock(drawLock_);
        displayText_ = text;
        if (image) image_ = std::move(image);
        GetClientRect(window_, &client_);
        bounds_ = MeasureBounds();
        geometry_.Restart(bounds_);
    }
    ClearScrollArea();
}

void TickerWindow::ClearScrollArea() {
    RECT area;
    {
        std::lock_guard lock(drawLock_);
        area = {bounds_.left, 0, client_.right, client_.bottom};
    }
    InvalidateRect(window_, &area, TRUE);
}

void TickerWindow::ScrollStep() {
    bool passEnded = false;
    {
        ClientDC dc(window_);
        std::lock_guard lock(drawLock_);
        if (!dc || !image_) return;
        const ScrollStepPlan step = geometry_.Step(bounds_, image_->Width());
        image_->CopyTo(dc.Get(), step.x, step.sourceX, step.width);
        // Nothing may stay behind the tail of the text.
        if (step.clearFrom) {
            Fill(dc.Get(), *step.clearFrom, bounds_.right, client_.bottom, kScrollAreaColour);
        }
        passEnded = step.passEnded;
    }
    // The next pass shows what the cache holds then, unless a download is
    // about to replace it.
    if (passEnded && !*downloading_) PostMessageA(window_, WM_TICKER_PASS_ENDED, 0, 0);
}

bool TickerWindow::SelectChannelByName(const std::string& name) {
    DcTextMeasure measure;
    OleScope ole;
    return ApplySelection(BuildChannelByName(cachePath_, name, measure));
}

bool TickerWindow::SelectChannelByIndex(int index) {
    DcTextMeasure measure;
    OleScope ole;
    return ApplySelection(BuildChannelByIndex(cachePath_, index, measure));
}

bool TickerWindow::ApplySelection(ChannelSelection selection) {
    if (selection.channelCount) channelCount_ = *selection.channelCount;
    SetDisplayText(selection.LineToShow());
    if (!selection.channel) {
        items_.clear();
        return false;
    }
    ChannelText& channel = *selection.channel;
    items_ = std::move(channel.items);
    channelIndex_ = channel.index;
    channelName_ = std::move(channel.name);
    SetDlgItemTextA(window_, IDC_CHANNEL, channelName_.c_str());
    return true;
}

void TickerWindow::StartDownload() {
    StartFeedDownload({feedUrl_, cachePath_, window_, downloading_});
}

void TickerWindow::OnFeedReady() {
    if (channelCount_ == -1 || channelName_.empty()) SelectChannelByIndex(0);
}

void TickerWindow::OnInitDialog() {
    RECT client{};
    SIZE size{};
    {
        ClientDC dc(window_);
        GetTextExtentPoint32A(dc.Get(), kFirstText, sizeof(kFirstText) - 1, &size);
        image_ = TextImage::Render(dc.Get(), kFirstText);
    }
    displayText_ = kFirstText;
    GetClientRect(window_, &client);
    const LONG width = client.right - client.left;
    SetWindowPos(window_, nullptr, LeftOnScreen(width), 0, width,
                 size.cy + 2 * GetSystemMetrics(SM_CYFRAME), SWP_NOZORDER | SWP_NOACTIVATE);
    CreateButtons(client);
    GetClientRect(window_, &client_);
    bounds_ = MeasureBounds();
    geometry_.Restart(bounds_);
    channelBrush_ = GdiObject<HBRUSH>(CreateSolidBrush(kChannelFieldColour));
    EnableWindow(GetDlgItem(window_, IDC_CHANNEL_SPIN), TRUE);
    SetDisplayText(kDownloadingText);
    StartDownload();
    SetTimer(window_, kDownloadTimer, kDownloadPeriodMs, nullptr);
}

namespace {

struct ButtonAreas {
    RECT close, speed, readMore;
};

// Close at the right edge, speed to its left, read-more to the left of that,
// each as wide as its picture and reaching a little above the strip. The
// sizes are pixels at 100%, scaled for the window's monitor.
ButtonAreas AreasOfButtons(const RECT& client, const DisplayScale& scale) {
    const LONG margin = scale.Scale(4);
    const RECT close{client.right - margin - scale.Scale(17), client.top - margin,
                     client.right - margin, client.bottom};
    const RECT speed{close.left - scale.Scale(17), close.top, close.left, close.bottom};
    const RECT readMore{speed.left - scale.Scale(78), close.top, speed.left, close.bottom};
    return {close, speed, readMore};
}

}  // namespace

void TickerWindow::CreateButtons(const RECT& client) {
    const ButtonAreas areas = AreasOfButtons(client, WindowScale(window_));
    close_.Create(window_, ID_TICKER_CLOSE, areas.close, IDB_CLOSE);
    speed_.Create(window_, ID_TICKER_SPEED, areas.speed, IDB_SPEED);
    readMore_.Create(window_, ID_TICKER_READ_MORE, areas.readMore, IDB_READ_MORE,
                     LoadCursor(nullptr, IDC_HAND));
}

// The buttons stand as at the start, where the strip was as high as its
// template, which the spin still is; then the line is measured and drawn
// anew, which makes the strip as high as the text again.
void TickerWindow::OnScaleChanged() {
    const DisplayScale scale = WindowScale(window_);
    RECT client{};
    GetClientRect(window_, &client);
    RECT spin = ScreenRect(GetDlgItem(window_, IDC_CHANNEL_SPIN));
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&spin), 2);
    client.bottom = spin.bottom;
    const ButtonAreas areas = AreasOfButtons(client, scale);
    close_.Move(areas.close);
    speed_.Move(areas.speed);
    readMore_.Move(areas.readMore);
    for (TickerButton* button : {&close_, &speed_, &readMore_}) button->LoadPicture(scale);
    std::string text;
    {
        std::lock_guard lock(drawLock_);
        text = displayText_;
    }
    SetDisplayText(text);
}

void TickerWindow::OnShowWindow(bool shown) {
    if (shown && !scroller_.Running()) {
        std::string text;
        {
            std::lock_guard lock(drawLock_);
            text = displayText_;
        }
        SetDisplayText(text);
        scroller_.Start([this] { ScrollStep(); }, [this] { return delay_.load(); });
    } else if (!shown) {
        scroller_.Stop();
    }
}

// There is no paint handler: the text is drawn only by the scroller's steps,
// and where no step has drawn yet the scroll area is white.
void TickerWindow::OnEraseBackground(HDC dc) {
    std::lock_guard lock(drawLock_);
    Fill(dc, client_.left, bounds_.left, client_.bottom, kStripColour);
    Fill(dc, bounds_.left, bounds_.right, client_.bottom, kScrollAreaColour);
    Fill(dc, bounds_.right, client_.right, client_.bottom, kStripColour);
}

void TickerWindow::ReadMore() {
    if (!owner_) return;
    std::int32_t sourceOffset;
    {
        std::lock_guard lock(drawLock_);
        sourceOffset = geometry_.SourceOffset();
    }
    const TickerItem* item = ItemAtLeftEdge(items_, sourceOffset);
    // Links come from the network: anything but a web page is ignored.
    if (!item || !IsWebUrl(item->link)) return;
    // A copy: the host may choose another channel while it opens the link.
    const std::string link = item->link;
    owner_->OpenLink(link);
}

void TickerWindow::ShowContextMenu(POINT point) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    char speed[64] = "";
    char close[64] = "";
    LoadStringA(ComModule::Instance(), IDS_SPEED, speed, sizeof(speed));
    LoadStringA(ComModule::Instance(), IDS_CLOSE, close, sizeof(close));
    AppendMenuA(menu, MF_STRING, ID_TICKER_MENU_SPEED, speed);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_TICKER_CLOSE, close);
    SetMenuDefaultItem(menu, ID_TICKER_CLOSE, FALSE);
    const RECT frame = ScreenRect(window_);
    SetForegroundWindow(window_);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, frame.left + point.x,
                   frame.top + point.y, 0, window_, nullptr);
    DestroyMenu(menu);
}

void TickerWindow::OnDrag(UINT message, POINT point) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture(window_);
        dragging_ = true;
        dragOrigin_ = point;
        break;
    case WM_MOUSEMOVE:
        if (dragging_) {
            const RECT frame = ScreenRect(window_);
            SetWindowPos(window_, nullptr, frame.left + point.x - dragOrigin_.x,
                         frame.top + point.y - dragOrigin_.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        lastPointer_ = point;
        break;
    case WM_LBUTTONUP:
        dragging_ = false;
        ReleaseCapture();
        break;
    }
}

bool TickerWindow::OnSetCursor(HWND target, int hitTest) {
    if (target != window_ || hitTest != HTCLIENT) return false;
    std::lock_guard lock(drawLock_);
    if (lastPointer_.x < client_.left || lastPointer_.x >= bounds_.right ||
        lastPointer_.y < client_.top || lastPointer_.y >= client_.bottom) {
        return false;
    }
    SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
    return true;
}

INT_PTR TickerWindow::OnCommand(int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
    case ID_TICKER_CLOSE:
        // A modeless window: ending it means hiding it, which stops the scroller.
        ShowWindow(window_, SW_HIDE);
        return TRUE;
    case ID_TICKER_SPEED:
    case ID_TICKER_MENU_SPEED:
        RunSpeedDialog(*this);
        return TRUE;
    case ID_TICKER_READ_MORE:
        ReadMore();
        return TRUE;
    }
    return FALSE;
}

INT_PTR TickerWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom != IDC_CHANNEL_SPIN || header.code != UDN_DELTAPOS) return FALSE;
    auto& change = const_cast<NMUPDOWN&>(reinterpret_cast<const NMUPDOWN&>(header));
    // Past the last channel the spin stays where it is.
    if (!SelectChannelByIndex(change.iPos + change.iDelta)) change.iDelta = 0;
    return Answer(FALSE);
}

INT_PTR TickerWindow::Answer(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR TickerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return FALSE;  // the window is hidden: nothing takes the focus
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != FALSE);
        return FALSE;
    case WM_DESTROY:
        KillTimer(window_, kDownloadTimer);
        scroller_.Stop();
        return FALSE;
    case WM_NCDESTROY:
        window_ = nullptr;
        return FALSE;
    case WM_TIMER:
        StartDownload();
        return TRUE;
    case WM_ERASEBKGND:
        OnEraseBackground(reinterpret_cast<HDC>(wParam));
        return Answer(TRUE);
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) != GetDlgItem(window_, IDC_CHANNEL)) return FALSE;
        SetBkColor(reinterpret_cast<HDC>(wParam), kChannelFieldColour);
        return reinterpret_cast<INT_PTR>(channelBrush_.Get());
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        for (TickerButton* button : {&readMore_, &speed_, &close_}) {
            if (button->Handle() == item.hwndItem) button->Draw(item);
        }
        return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        OnDrag(message, point);
        return TRUE;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return TRUE;
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam)) ? Answer(TRUE) : FALSE;
    case WM_RBUTTONUP:
        ShowContextMenu(point);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam));
    case WM_FEED_READY:
        OnFeedReady();
        return TRUE;
    case WM_TICKER_PASS_ENDED:
        SelectChannelByName(channelName_);
        return TRUE;
    case WM_DPICHANGED:
        // The channel field and spin come from the template: the dialog
        // manager places them and gives them their font at the new scale,
        // and sizes the strip, before the buttons and the line follow.
        PostMessageA(window_, WM_TICKER_RESCALE, 0, 0);
        return FALSE;
    case WM_TICKER_RESCALE:
        OnScaleChanged();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK TickerWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<TickerWindow*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<TickerWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self) return FALSE;
    // A failed allocation drops the message.
    return ContainedCall([&] { return self->HandleMessage(message, wParam, lParam); },
                         INT_PTR{FALSE});
}
