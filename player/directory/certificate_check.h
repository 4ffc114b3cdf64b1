#pragma once
// Finds out on a worker thread whether an https address's server passes the
// system's certificate checks, before the address goes to a web browser
// control. The control's own answer to a bad certificate can be a box that
// asks the user whether to go on, Yes by default: one key press lets the
// page through, and while the box waits the player cannot close. Under
// Wine the control asks so whatever its container tells it.
//
// A check posts WM_CERTIFICATE_CHECKED with wParam 0 when the certificate
// was refused and 1 otherwise (a server that cannot be reached at all is
// left to the control, which reports that itself), and its number as lParam.

#include "directory/worker_thread.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

class CertificateCheck {
public:
    // Starts a check of `url` for `owner`; only the newest check counts.
    // False when no thread could be started.
    bool Start(HWND owner, const std::wstring& url);
    // Makes any check still running count no more.
    void Forget();
    // The address a report is about when it is the newest check's.
    std::optional<std::wstring> Reported(LPARAM number) const;

private:
    LPARAM newest_ = 0;
    std::wstring url_;
    // An older check finishes by itself; its report no longer counts.
    std::unique_ptr<ReportingWorker> worker_;
};
