#pragma once
// The recorder's in-place name field: releasing Enter tells the recorder the
// new name is ready.

#include "control.h"

class CRenameEdit : public Control {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
