#include "hover_tooltip.h"

#include "window.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;
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
    font_.Reset(CreateTipFont());
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, kTipTextColour, 0);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    Activate(false);
}

void HoverTooltip::CreateBalloon(HWND owner, const wchar_t* text) {
    if (tooltip_) return;
    Create(owner, TTS_BALLOON);
    SetText(text);
    Activate(true);
}

void HoverTooltip::SetText(const wchar_t* text) {
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

void HoverTooltip::SetDelays(int initialMs, int autoPopMs) const {
    if (!tooltip_) return;
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, initialMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, autoPopMs);
}

void HoverTooltip::Relay(const MSG& message) const {
    if (!tooltip_) return;
    MSG copy = message;
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}
