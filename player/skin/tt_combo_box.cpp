#include "skin/tt_combo_box.h"

void CTTComboBox::SetTooltip(const wchar_t* text) { tooltip_.CreateBalloon(hwnd_, text); }
