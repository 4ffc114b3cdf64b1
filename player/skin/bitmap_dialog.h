#pragma once
// A borderless dialog painted from one background picture. It can cut itself
// to the picture's shape (key-coloured pixels are not part of the window),
// and lets the user drag it by the opaque pixels of a strip picture, or from
// anywhere. Static texts sit transparently on the picture.

#include "common/window/gdi_object.h"
#include "skin/skinned_dialog.h"
#include "skin/zip_bitmap.h"

class CBitmapDialog : public CSkinnedDialog {
public:
    using CSkinnedDialog::CSkinnedDialog;

    // A size of the skin at 100%, scaled; the window's own size when it has
    // no border.
    void ResizeToSkin(int width, int height) const {
        Resize(Scale().Scale(width), Scale().Scale(height));
    }

    // Takes effect at the next background change.
    void SetShaped(bool on) { shaped_ = on; }
    void SetKeyColour(COLORREF colour) { keyColour_ = colour; }
    // Replaces the picture and recuts the window; false leaves no background.
    bool SetBackground(UINT resourceId);
    // The opaque pixels of the strip picture, in client coordinates; false
    // (the drag region unchanged) when the picture cannot be loaded.
    bool SetDragRegion(UINT resourceId);

    bool transparentStatics = true;
    bool dragAnywhere = false;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyShape();
    bool OnEraseBackground(HDC dc) const;
    bool InDragArea(POINT client) const;
    std::optional<LRESULT> OnStaticColour(HDC dc, HWND control) const;

    CZipBitmap background_;
    bool hasBackground_ = false;
    bool shaped_ = false;
    COLORREF keyColour_ = RGB(255, 0, 255);
    ScopedRegion dragRegion_;
};

// Trackbars ask for a static's colour but paint their own background; they
// must not be handed the null brush.
bool IsTrackbar(HWND control);
