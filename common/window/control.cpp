#include "common/window/control.h"

#include "common/helpers/contained_call.h"

#include <windowsx.h>

#include <unordered_map>

namespace {

// Each bound window's object and the procedure it had before. Looked up in
// memory on every message: comctl32's SetWindowSubclass and window
// properties cost Wine a round trip to its server at each lookup, two or
// three for every message a control handled. A window's messages all come
// on the thread that made it, so each thread keeps its own table.
struct Binding {
    Control* control;  // null once detached while another subclass sat above ours
    WNDPROC previous;
};
thread_local std::unordered_map<HWND, Binding> bindings;

}  // namespace

bool Control::Attach(HWND window) {
    Detach();
    // The table is this thread's: a window of another thread gets its
    // messages there.
    if (!window || bindings.contains(window) ||
        GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
        return false;
    }
    // In the table before the swap: the first message may come at once.
    Binding& binding = bindings[window] = {this, nullptr};
    binding.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoundProc)));
    if (!binding.previous) {
        bindings.erase(window);
        return false;
    }
    hwnd_ = window;
    OnAttached();
    return true;
}

void Control::Detach() {
    if (!hwnd_) return;
    const auto found = bindings.find(hwnd_);
    // Only this thread's table holds the window; from any other thread
    // there is nothing here to undo.
    if (found == bindings.end()) {
        hwnd_ = nullptr;
        return;
    }
    // Another subclass made after ours calls us still: then ours stays in
    // the chain and only passes messages on.
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&BoundProc)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.previous));
        bindings.erase(found);
    } else {
        found->second.control = nullptr;
    }
    hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND window) {
    const auto found = bindings.find(window);
    return found == bindings.end() ? nullptr : found->second.control;
}

std::optional<LRESULT> Control::OnReflected(UINT, WPARAM, LPARAM) { return std::nullopt; }

void Control::PreTranslateMessage(const MSG&) {}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(bindings.at(hwnd_).previous, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::BoundProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    const auto found = bindings.find(window);
    if (found == bindings.end()) return DefWindowProcW(window, message, wParam, lParam);
    Control* control = found->second.control;
    if (!control) {
        const WNDPROC previous = found->second.previous;
        if (message == WM_NCDESTROY) bindings.erase(found);
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    const DWORD where = GetMessagePos();
    control->PreTranslateMessage(MSG{window, message, wParam, lParam,
                                     static_cast<DWORD>(GetMessageTime()),
                                     {GET_X_LPARAM(where), GET_Y_LPARAM(where)}});
    const LRESULT result =
        ContainedCall([&] { return control->WindowProc(message, wParam, lParam); }, LRESULT{0});
    if (message == WM_NCDESTROY) control->Detach();
    return result;
}
