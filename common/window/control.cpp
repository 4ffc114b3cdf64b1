#include "common/window/control.h"

#include "common/helpers/contained_call.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x5652;  // one subclass of ours per window
// FromHandle finds the object by this window property: MinGW's import
// library lacks GetWindowSubclass.
constexpr wchar_t kObjectProperty[] = L"Velmora.Control";
}

bool Control::Attach(HWND window) {
    Detach();
    if (!window || !SetWindowSubclass(window, SubclassProc, kSubclassId,
                                      reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = window;
    SetPropW(window, kObjectProperty, this);
    OnAttached();
    return true;
}

void Control::Detach() {
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        RemovePropW(hwnd_, kObjectProperty);
    }
    hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND window) {
    return window ? static_cast<Control*>(GetPropW(window, kObjectProperty)) : nullptr;
}

std::optional<LRESULT> Control::OnReflected(UINT, WPARAM, LPARAM) { return std::nullopt; }

void Control::PreTranslateMessage(const MSG&) {}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) noexcept {
    auto* control = reinterpret_cast<Control*>(self);
    const DWORD where = GetMessagePos();
    control->PreTranslateMessage(MSG{window, message, wParam, lParam,
                                     static_cast<DWORD>(GetMessageTime()),
                                     {GET_X_LPARAM(where), GET_Y_LPARAM(where)}});
    const LRESULT result =
        ContainedCall([&] { return control->WindowProc(message, wParam, lParam); }, LRESULT{0});
    if (message == WM_NCDESTROY) control->Detach();
    return result;
}
