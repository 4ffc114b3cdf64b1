#include "skin/hover_tooltip.h"

#include "common/window/window.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;

bool IsInside(HWND owner, HWND window) {
    return window && (window == owner || IsChild(owner, window));
}

// The tooltip asks which window is under the pointer before it shows; the
// windows inside the owner (an embedded control's own) count as the owner.
LRESULT CALLBACK OnTooltipMessage(HWND tooltip, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR ownerData) {
    if (message == TTM_WINDOWFROMPOINT) {
        const auto owner = reinterpret_cast<HWND>(ownerData);
        const HWND under = WindowFromPoint(*reinterpret_cast<const POINT*>(lParam));
        return reinterpret_cast<LRESULT>(IsInside(owner, under) ? owner : under);
    }
    return DefSubclassProc(tooltip, message, wParam, lParam);
}

bool IsClientMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

}  // namespace

HFONT CreateTipFont() {
    return CreateFontW(15, 7, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
}

HoverTooltip::~HoverTooltip() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void HoverTooltip::Create(HWND owner, DWORD style) {
    if (tooltip_) return;
    owner_ = owner;
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    SetWindowSubclass(tooltip_, OnTooltipMessage, 0, reinterpret_cast<DWORD_PTR>(owner));
    font_.Reset(CreateTipFont());
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, kTipTextColour, 0);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    Activate(false);
}

void HoverTooltip::CreateBalloon(HWND owner, const wchar_t* text) {
    if (Exists()) return;
    owner_ = owner;
    balloon_ = Balloon{text ? text : L"", std::nullopt};
}

void HoverTooltip::MakeBalloon() {
    const Balloon wanted = *std::exchange(balloon_, std::nullopt);
    Create(owner_, TTS_BALLOON);
    SetText(wanted.text.c_str());
    if (wanted.delays) SetDelays(wanted.delays->first, wanted.delays->second);
    Activate(true);
}

void HoverTooltip::SetText(const wchar_t* text) {
    if (balloon_) balloon_->text = text ? text : L"";
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner_;
    tool.uId = kToolId;
    tool.lpszText = const_cast<wchar_t*>(text);
    if (SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        tool.rect = Window(owner_).ClientRect();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void HoverTooltip::AddStyle(DWORD style) const {
    if (!tooltip_) return;
    SetWindowLongPtrW(tooltip_, GWL_STYLE, GetWindowLongPtrW(tooltip_, GWL_STYLE) | style);
}

void HoverTooltip::Activate(bool on) const {
    if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, on, 0);
}

void HoverTooltip::SetDelays(int initialMs, int autoPopMs) {
    if (balloon_) balloon_->delays = std::pair(initialMs, autoPopMs);
    if (!tooltip_) return;
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, initialMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, autoPopMs);
}

void HoverTooltip::Relay(const MSG& message) {
    if (balloon_ && IsClientMouseMessage(message.message)) MakeBalloon();
    if (!tooltip_) return;
    MSG copy = message;
    // The one tool lies over the owner: a message for a window inside it is
    // passed on as the owner's, at the same place.
    if (IsClientMouseMessage(copy.message) && copy.hwnd != owner_ && IsInside(owner_, copy.hwnd)) {
        POINT place{static_cast<short>(LOWORD(copy.lParam)),
                    static_cast<short>(HIWORD(copy.lParam))};
        MapWindowPoints(copy.hwnd, owner_, &place, 1);
        copy.hwnd = owner_;
        copy.lParam = MAKELPARAM(place.x, place.y);
    }
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}
