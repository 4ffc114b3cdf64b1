#include "common/window/dialog.h"

#include "common/helpers/contained_call.h"

#include "common/window/modeless_dialogs.h"

#include <commctrl.h>

Dialog::~Dialog() {
    if (modeless_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal() {
    return DialogBoxParamW(Instance(), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create() {
    modeless_ = true;
    if (!CreateDialogParamW(Instance(), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                            reinterpret_cast<LPARAM>(this))) {
        return false;
    }
    RegisterModelessDialog(*this);
    return true;
}

bool Dialog::PreTranslateMessage(MSG& message) {
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

std::optional<LRESULT> Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SYSCOLORCHANGE:
        ForwardToChildren(message, wParam, lParam);
        break;
    }
    return std::nullopt;
}

// Windows tells only top-level windows that the system colours changed; the
// controls that paint in them hear it from their dialog.
void Dialog::ForwardToChildren(UINT message, WPARAM wParam, LPARAM lParam) const {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message, wParam, lParam);
    }
}

HWND ReflectedControl(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        // Owner-drawn menu items are the dialog's own business.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM:
        return wParam ? GetDlgItem(dialog, static_cast<int>(wParam)) : nullptr;
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    }
    return nullptr;
}

std::optional<LRESULT> Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Control* control = Control::FromHandle(ReflectedControl(hwnd_, message, wParam, lParam))) {
        if (auto answer = control->OnReflected(message, wParam, lParam)) return answer;
    }
    return OnMessage(message, wParam, lParam);
}

// A dialog procedure returns most results through DWLP_MSGRESULT; these few
// messages take theirs as the procedure's own return value.
INT_PTR Dialog::Answer(UINT message, LRESULT result) const {
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->hwnd_ = window;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    const auto answer = ContainedCall([&] { return self->Dispatch(message, wParam, lParam); },
                                      std::optional<LRESULT>{});
    if (message == WM_NCDESTROY) {
        if (self->modeless_) UnregisterModelessDialog(*self);
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return answer ? self->Answer(message, *answer) : FALSE;
}
