#pragma once
// The player's main window.

#include "bitmap_dialog.h"
#include "registry_win32.h"

#include <windows.h>

class COrvaneDlg : public CBitmapDialog {
public:
    COrvaneDlg();

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    void MoveToTopRight() const;

    Win32Registry registry_;
};
