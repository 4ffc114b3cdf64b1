#pragma once
// How the main window's web browser controls (the banner, the info and
// search panes) are sent to an address. An https page opens only once its
// server passed the system's certificate checks: the control left to itself
// answers a bad certificate with a box that asks the user whether to go on,
// Yes by default, and the player cannot close while the box waits. The
// main window makes the openers, as only it reaches the network.

#include <windows.h>

#include <functional>
#include <string>

class PageOpener {
public:
    // Sends the control to a page.
    using Navigate = std::function<void(const std::wstring& url)>;
    // Shows what the control shows of a page that fails to load.
    using Refuse = std::function<void()>;

    virtual ~PageOpener() = default;

    // A plain http address goes to `navigate` at once. An https address is
    // checked first; the check posts WM_CERTIFICATE_CHECKED to `reportTo`,
    // which hands it to OnChecked, and then `navigate` or `refuse` runs.
    // Only the newest address counts.
    virtual void Open(HWND reportTo, const std::wstring& url, Navigate navigate, Refuse refuse) = 0;
    virtual void OnChecked(bool passed, LPARAM check) = 0;
    // Makes any check still running count no more.
    virtual void Forget() = 0;
};
