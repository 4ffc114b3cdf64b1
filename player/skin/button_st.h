#pragma once
// A flat, owner-drawn image button made from an ordinary push button of a
// template: one image with a key colour, an edge while hovered or pressed,
// optionally drawn over a copy of the parent's background so that only the
// image's opaque pixels show, an optional caption and balloon tooltip. The
// parent gets the usual click notification; a double-click counts as two.

#include "common/window/control.h"
#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "skin/hover_tooltip.h"
#include "skin/keyed_picture.h"

#include <commctrl.h>

#include <optional>
#include <string>

class CButtonST : public Control {
public:
    enum Result { kOk = 0, kNoImageSize = 1, kNoMask = 2, kNoBackground = 5 };

    Result SetImages(UINT resourceId, COLORREF keyColour);
    // Takes ownership of bitmap.
    Result SetImageHandles(HBITMAP bitmap, COLORREF keyColour);
    // A second picture to switch to and back, as a blinking indicator does.
    // Both are prepared once, so that a blink costs only a repaint.
    Result SetLitImages(UINT resourceId, COLORREF keyColour);
    void SetLit(bool lit);
    bool IsLit() const { return lit_; }
    void SetDrawBorder(bool on, bool repaint = true);
    // Draws over the parent's picture, captured afresh at the next paint.
    void SetTransparentDrawing(bool repaint = true);
    Result RecaptureBackground(HDC parentDC);
    // The tooltip is made when the first text is given; the balloon applies
    // whether it exists yet or not.
    void SetBalloonTooltip();
    void SetTooltipText(const wchar_t* text, bool activate = true);

    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Both pictures again, drawn for the new scale; handles given by the
    // caller stay as they are.
    void OnScaleChanged() override;

protected:
    void OnAttached() override;
    void PreTranslateMessage(const MSG& message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawBackground(HDC dc, const RECT& rect);
    void DrawImage(HDC dc, const RECT& rect) const;
    void DrawCaption(HDC dc, RECT rect) const;
    void CaptureBackground(HDC parentDC);
    void DropBackground();
    void OnMouseMove(WPARAM wParam);
    void CancelHover();
    void OnDisabled();

    // Kept from WM_SETTEXT: asking the window for it at every paint costs
    // two messages through the subclass chain, and a blinking button paints
    // twice a second.
    std::wstring caption_;
    bool drawBorder_ = true;
    bool transparent_ = false;
    bool mouseOver_ = false;
    bool pressed_ = false;
    bool disabled_ = false;
    bool isDefault_ = false;

    struct Face {
        ScopedBitmap image;
        ScopedBitmap mask;
        SIZE size{};
        std::optional<KeyedPictureSource> source;  // goes before the bitmaps
    };
    static Result PrepareFace(Face& face, HBITMAP bitmap, COLORREF keyColour);
    const Face& ShownFace() const { return lit_ && litFace_.image ? litFace_ : face_; }

    // The resources of the two pictures, to load again at another scale;
    // 0 for none, or for a picture given as a handle.
    struct Picture {
        UINT resourceId = 0;
        COLORREF keyColour = 0;
    };

    Face face_;
    Face litFace_;
    Picture picture_;
    Picture litPicture_;
    bool lit_ = false;

    std::optional<MemoryDC> backgroundDC_;
    ScopedBitmap background_;
    std::optional<SelectedObject> backgroundSelection_;  // goes before the bitmap and context

    COLORREF fillColour_ = GetSysColor(COLOR_BTNFACE);
    DWORD tooltipStyle_ = 0;
    HoverTooltip tooltip_;
};

// Attaches `button` to the dialog control `item`, drawn as the picture
// `image` over its parent and without a border: how the skinned windows
// set up their buttons.
bool AttachSkinnedButton(CButtonST& button, HWND item, UINT image, COLORREF keyColour);
