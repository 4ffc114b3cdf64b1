#pragma once
// A C++ object bound to an existing child window, usually a control of a
// dialog template, by subclassing it (its window procedure). Every message first
// passes PreTranslateMessage (tooltip relays), then WindowProc; whatever a
// class does not handle goes on to the control's own procedure through
// DefaultProc. The parent dialog reflects owner-draw, measure-item, colour,
// notify and command messages back to the child's object (OnReflected), so a
// control class paints and answers for itself.

#include "common/window/window.h"

#include <optional>

class Control : public Window {
public:
    Control() = default;
    virtual ~Control() { Detach(); }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool Attach(HWND window);
    void Detach();

    // The object attached to this window, or null.
    static Control* FromHandle(HWND window);

    // A message the parent received about this control. An answer ends the
    // parent's handling; nothing lets the parent go on (so a control may act
    // on a click and still let the parent see it).
    virtual std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam);

    // The window moved to a monitor of another scale and its dialog has
    // placed it anew: the control makes again what it made for the old
    // scale (pictures, fonts, fixed column widths).
    virtual void OnScaleChanged() {}

protected:
    virtual void OnAttached() {}
    virtual void PreTranslateMessage(const MSG& message);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // noexcept: nothing may unwind through user32; a failure in a handler
    // (in practice only allocation) ends the program instead.
    static LRESULT CALLBACK BoundProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
};
