#pragma once
// The skin's hover tooltip: a tooltip control in the skin's bold Arial and
// blue-grey text, at most 400 pixels wide, with one tool over its owner's
// client area. Owners relay their messages to it (PreTranslateMessage).

#include "common/window/gdi_object.h"

#include <windows.h>

class HoverTooltip {
public:
    HoverTooltip() = default;
    ~HoverTooltip();
    HoverTooltip(const HoverTooltip&) = delete;
    HoverTooltip& operator=(const HoverTooltip&) = delete;

    bool Exists() const { return tooltip_ != nullptr; }
    // Creates the tooltip, deactivated; style is 0 or TTS_BALLOON.
    void Create(HWND owner, DWORD style);
    // The usual form: a balloon with its text, active. Nothing happens when
    // the tooltip exists already.
    void CreateBalloon(HWND owner, const wchar_t* text);
    // Adds the one tool when there is none yet and sets its text.
    void SetText(const wchar_t* text);
    // Takes effect the next time the tip shows, also on an existing tooltip.
    void AddStyle(DWORD style) const;
    void Activate(bool on) const;
    void SetDelays(int initialMs, int autoPopMs) const;
    void Relay(const MSG& message) const;

private:
    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;  // owned: destroyed with this object
    ScopedFont font_;
};

// The bold Arial of the skin's tips (height 15, width 7).
HFONT CreateTipFont();
inline constexpr COLORREF kTipTextColour = RGB(83, 118, 141);
