#include "directory/certificate_check.h"

#include "common/helpers/web_url.h"
#include "directory/http_client_wininet.h"
#include "host/player_messages.h"

void CertificateCheck::Open(HWND reportTo, const std::wstring& url, Navigate navigate,
                            Refuse refuse) {
    Forget();
    if (!IsSecureWebUrl(url)) {
        navigate(url);
        return;
    }
    auto worker = std::make_unique<ReportingWorker>();
    // The certificate is checked as the connection is made: the head of the
    // answer is enough, and the server is not asked for the page the
    // control then fetches.
    auto job = [url] { return !WinInetHttpClient().Head(url).refused; };
    if (!worker->Start(reportTo, WM_CERTIFICATE_CHECKED, std::move(job), newest_)) {
        refuse();
        return;
    }
    worker_ = std::move(worker);
    url_ = url;
    navigate_ = std::move(navigate);
    refuse_ = std::move(refuse);
}

void CertificateCheck::OnChecked(bool passed, LPARAM check) {
    if (check != newest_ || url_.empty()) return;
    const std::wstring url = std::move(url_);
    const Navigate navigate = std::move(navigate_);
    const Refuse refuse = std::move(refuse_);
    Forget();
    if (passed) {
        navigate(url);
    } else {
        refuse();
    }
}

void CertificateCheck::Forget() {
    ++newest_;
    url_.clear();
    navigate_ = nullptr;
    refuse_ = nullptr;
}
