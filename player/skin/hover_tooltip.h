#pragma once
// The skin's hover tooltip: a tooltip control in the skin's bold Arial and
// blue-grey text, at most 400 pixels wide, with one tool over its owner's
// client area. Owners relay their messages to it (PreTranslateMessage).

#include "common/window/gdi_object.h"

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

class HoverTooltip {
public:
    HoverTooltip() = default;
    ~HoverTooltip();
    HoverTooltip(const HoverTooltip&) = delete;
    HoverTooltip& operator=(const HoverTooltip&) = delete;

    bool Exists() const { return tooltip_ != nullptr || balloon_; }
    // Creates the tooltip, deactivated; style is 0 or TTS_BALLOON.
    void Create(HWND owner, DWORD style);
    // The usual form: a balloon with its text, active. Nothing happens when
    // the tooltip exists already. Its window is made at the first mouse
    // message relayed to it: under Wine every tooltip is a top-level window
    // of the display, and a pane with four of them took noticeably longer to
    // open, for tips that most openings never show.
    void CreateBalloon(HWND owner, const wchar_t* text);
    // Adds the one tool when there is none yet and sets its text.
    void SetText(const wchar_t* text);
    // Takes effect the next time the tip shows, also on an existing tooltip.
    void AddStyle(DWORD style) const;
    void Activate(bool on) const;
    void SetDelays(int initialMs, int autoPopMs);
    void Relay(const MSG& message);

private:
    // What a balloon asked for before its window was made.
    struct Balloon {
        std::wstring text;
        std::optional<std::pair<int, int>> delays;
    };
    void MakeBalloon();

    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;  // owned: destroyed with this object
    std::optional<Balloon> balloon_;
    ScopedFont font_;
};

// The bold Arial of the skin's tips (height 15, width 7).
HFONT CreateTipFont();
inline constexpr COLORREF kTipTextColour = RGB(83, 118, 141);
