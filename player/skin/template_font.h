#pragma once
// The font a dialog's template names, for the controls that show their text
// in it. Windows' dialog manager makes it anew when the dialog moves to a
// monitor of another scale, but only for a dialog that leaves WM_DPICHANGED
// to it; a dialog that handles the message itself gives its controls the
// font through this.

#include "common/window/gdi_object.h"

#include <windows.h>

class TemplateFont {
public:
    // The template's font as the dialog manager made it for `dpi`.
    void Remember(HWND dialog, int dpi);
    // Every control that shows the template's font, or the one made here
    // last time, gets it made for `dpi`; the one made last time goes.
    void ApplyTo(HWND dialog, int dpi);

private:
    LOGFONTW font_{};
    int madeDpi_ = 0;
    HFONT original_ = nullptr;  // the dialog manager's, which deletes it
    ScopedFont scaled_;
};
