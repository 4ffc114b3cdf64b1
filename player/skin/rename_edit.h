#pragma once
// The recorder's in-place name field: releasing Enter tells the recorder the
// new name is ready, with the message the recorder chose.

#include "common/window/control.h"

class CRenameEdit : public Control {
public:
    explicit CRenameEdit(UINT doneMessage) : doneMessage_(doneMessage) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT doneMessage_;
};
