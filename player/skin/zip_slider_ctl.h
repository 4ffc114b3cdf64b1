#pragma once
// The skinned slider: a standard trackbar that keeps all of its logic (range,
// keys, paging, notifications) and draws itself from a background picture and
// a thumb picture. While the thumb is dragged a value tip can show the
// position; a hover tooltip can name the slider.

#include "common/window/control.h"
#include "skin/hover_tooltip.h"
#include "skin/slider_geometry.h"
#include "skin/zip_background_bitmap.h"
#include "skin/zip_trans_bitmap.h"

#include <string>

class CZipSliderCtl : public Control {
public:
    // The thumb's key colour is its top-left pixel.
    void SetSkin(UINT backgroundId, UINT thumbId);
    // Flags kTipShowValue and kTipFollowThumb; returns whether the value tip is on.
    bool SetTipFlags(unsigned flags);
    RECT GetThumbRect() const;
    void SetPosition(int position);
    void InitHoverTooltip(const wchar_t* text);
    virtual std::wstring GetTipText() const;

protected:
    void PreTranslateMessage(const MSG& message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    // Runs the trackbar's own handling and repaints where the thumb was and is.
    LRESULT RepaintingThumb(UINT message, WPARAM wParam, LPARAM lParam);
    void InvalidateThumbs(const RECT& before);

    CZipTransBitmap thumb_;
    CZipBackGroundBitmap background_;
    bool vertical_ = false;
    DisplayScale scale_;  // of the monitor at the last SetSkin
    RECT clientRect_{};
    bool buttonDown_ = false;
    bool dragging_ = false;
    TipFlags tipFlags_;
    HoverTooltip hoverTip_;
};
