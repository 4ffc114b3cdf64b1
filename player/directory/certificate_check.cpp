#include "directory/certificate_check.h"

#include "directory/http_client_wininet.h"
#include "host/player_messages.h"

bool CertificateCheck::Start(HWND owner, const std::wstring& url) {
    Forget();
    auto worker = std::make_unique<ReportingWorker>();
    // The certificate is checked before any of the body arrives, so the
    // first block ends the request.
    auto job = [url] {
        WinInetHttpClient http;
        return !http.Get(url, [](std::string_view) { return false; }).refused;
    };
    if (!worker->Start(owner, WM_CERTIFICATE_CHECKED, std::move(job), newest_)) return false;
    worker_ = std::move(worker);
    url_ = url;
    return true;
}

void CertificateCheck::Forget() {
    ++newest_;
    url_.clear();
}

std::optional<std::wstring> CertificateCheck::Reported(LPARAM number) const {
    if (number != newest_ || url_.empty()) return std::nullopt;
    return url_;
}
