#pragma once
// The recorder's instructions window: a skinned window with the instructions
// text, opened modeless and centred by the recorder's help button and closed
// with its own button.

#include "common/window/gdi_object.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"

class CDlgImportant final : public CBitmapDialog {
public:
    explicit CDlgImportant(HWND owner);

    // Makes the window on first use, then shows it centred on its monitor.
    void ShowCentred();
    // Centres the window on the monitor it is on.
    void Centre();

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void ApplyScale() override;

private:
    CButtonST close_;
    ScopedFont textFont_;
    ScopedBrush textBrush_;
};
