#pragma once
// A static text drawn in its own font and colour that can open a link: the
// hand cursor shows over the text itself, and a click there opens the target,
// a web address, in the user's browser. The status lines and small labels of
// the skin use it.

#include "common/window/control.h"
#include "common/window/gdi_object.h"

#include <string>

class CHyperlinkStatic : public Control {
public:
    void SetLinkText(const wchar_t* text);
    void SetLinkTarget(const wchar_t* url) { target_ = url; }
    // In pixels at 100%, growing with the scale of the control's monitor
    // when the font is made; 0 stands for the defaults, height 10 and width 5.
    void SetLinkFontSize(int height, int width);
    void SetHandOverText(bool on);
    void SetUnderline(bool on);
    void SetBold(bool on);
    void SetLinkTextColour(COLORREF colour);

    // DrawText flags; DT_VCENTER centres only together with DT_SINGLELINE.
    UINT textFormat = DT_VCENTER;

    // The font again, at the new scale.
    void OnScaleChanged() override { MakeFont(); }

protected:
    void OnAttached() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeFont();
    void OnPaint();
    void PaintParentBackground(HDC dc) const;
    // The text's extent, counted from the control's top-left corner.
    bool OverText(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonDown(POINT point);

    std::wstring text_;
    std::wstring target_;
    int fontHeight_ = 0;
    int fontWidth_ = 0;
    bool handOverText_ = true;
    bool underline_ = true;
    bool bold_ = false;
    COLORREF colour_ = RGB(4, 78, 76);
    ScopedFont font_;
    SIZE extent_{};
    bool extentValid_ = false;
    bool tracking_ = false;
};
