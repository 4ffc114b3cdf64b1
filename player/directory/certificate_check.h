#pragma once
// Finds out on a worker thread whether an https address's server passes the
// system's certificate checks, and only then sends a web browser control
// there (see host/page_opener.h). Under Wine the control asks its own box
// whatever its container tells it, so only a check made beforehand keeps
// the box away.
//
// A check posts WM_CERTIFICATE_CHECKED with wParam 0 when the certificate
// was refused and 1 otherwise (a server that cannot be reached at all is
// left to the control, which reports that itself), and its number as lParam.

#include "directory/worker_thread.h"
#include "host/page_opener.h"

#include <windows.h>

#include <memory>
#include <string>

class CertificateCheck final : public PageOpener {
public:
    void Open(HWND reportTo, const std::wstring& url, Navigate navigate, Refuse refuse) override;
    void OnChecked(bool passed, LPARAM check) override;
    void Forget() override;

private:
    LPARAM newest_ = 0;
    std::wstring url_;
    Navigate navigate_;
    Refuse refuse_;
    // An older check finishes by itself; its report no longer counts.
    std::unique_ptr<ReportingWorker> worker_;
};
