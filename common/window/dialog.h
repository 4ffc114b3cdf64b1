#pragma once
// Base of every dialog: runs a template as a modal or modeless dialog, binds
// `this` at WM_INITDIALOG, attaches control objects to template controls by
// id and reflects the parent-bound messages of those controls back to them.
//
// A derived dialog overrides OnMessage for the messages it handles, answers
// with the message's result, and passes everything else on to its base class;
// messages nobody answers get the system's default dialog handling.

#include "common/window/control.h"
#include "common/window/window.h"

#include <optional>

class Dialog : public Window {
public:
    Dialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog and returns the code given to End.
    INT_PTR DoModal();
    // Creates the dialog modeless; it lives until this object goes.
    bool Create();
    void End(INT_PTR result) const { EndDialog(hwnd_, result); }

    // A modeless dialog's first look at a message for it or its controls
    // (see modeless_dialogs.h); true when it must not be dispatched. By
    // default the dialog's keyboard navigation.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    bool AttachControl(Control& control, int id) const { return control.Attach(Item(id)); }

    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Answer: whether the system should set the focus.
    virtual bool OnInitDialog() { return true; }
    virtual bool OnCommand(int /*id*/, int /*notifyCode*/) { return false; }
    virtual void OnTimer(UINT_PTR /*id*/) {}

    static HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ForwardToChildren(UINT message, WPARAM wParam, LPARAM lParam) const;
    INT_PTR Answer(UINT message, LRESULT result) const;

    UINT templateId_;
    HWND parent_;
    bool modeless_ = false;
};

// The child control a reflected message is about, or null.
HWND ReflectedControl(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
