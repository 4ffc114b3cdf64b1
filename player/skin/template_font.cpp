#include "skin/template_font.h"

#include "skin/dialog_font_height.h"

void TemplateFont::Remember(HWND dialog, int dpi) {
    original_ = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    madeDpi_ = dpi;
    if (original_) GetObjectW(original_, sizeof(font_), &font_);
}

void TemplateFont::ApplyTo(HWND dialog, int dpi) {
    if (!original_) return;
    LOGFONTW font = font_;
    font.lfHeight = DialogFontHeight(font_.lfHeight, madeDpi_, dpi);
    ScopedFont made(CreateFontIndirectW(&font));
    if (!made) return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto shown = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        if (shown && (shown == original_ || shown == scaled_.Get()))
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    }
    scaled_ = std::move(made);
}
