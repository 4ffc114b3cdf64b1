#pragma once
// The category list of the station browser: one row per category, in the
// browser's order, each row carrying its mask. Choosing a row hands its mask
// on; the rows are painted here, 13 pixels high, on the pane colour.

#include "common/window/control.h"
#include "common/window/gdi_object.h"

#include <commctrl.h>

#include <functional>

class CCatList : public Control {
public:
    std::function<void(unsigned mask)> onCategoryChosen;

    // Columns, colours and the eleven categories, none chosen.
    void Fill();
    void ClearChoice() const;

    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The column's width, the font and the row height at the new scale.
    void OnScaleChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawRow(const DRAWITEMSTRUCT& item) const;
    void OnItemChanged(const NMLISTVIEW& change) const;
    bool OverText(POINT client) const;

    ScopedFont font_;
    bool filling_ = false;  // selection changes while filling are not choices
};
