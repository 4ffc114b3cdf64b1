#include "directory/secure_connection_problem_wininet.h"

#include <wininet.h>

namespace {
// ERROR_INTERNET_SECURE_FAILURE, which MinGW's wininet.h lacks: Windows gives
// it when the secure channel cannot be set up at all.
constexpr DWORD kSecureFailure = 12175;
}  // namespace

std::optional<SecureConnectionProblem> SecureConnectionProblemOf(DWORD error) {
    switch (error) {
    case ERROR_INTERNET_INVALID_CA:
        return SecureConnectionProblem::UntrustedCertificate;
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
        return SecureConnectionProblem::ExpiredCertificate;
    case ERROR_INTERNET_SEC_CERT_CN_INVALID:
        return SecureConnectionProblem::OtherNameCertificate;
    case ERROR_INTERNET_SEC_CERT_ERRORS:
    case ERROR_INTERNET_SEC_CERT_REV_FAILED:
    case ERROR_INTERNET_SEC_CERT_REVOKED:
    case ERROR_INTERNET_SEC_INVALID_CERT:
    case ERROR_INTERNET_SECURITY_CHANNEL_ERROR:
    case ERROR_INTERNET_HTTPS_TO_HTTP_ON_REDIR:
    case kSecureFailure:
        return SecureConnectionProblem::NotSecure;
    default:
        return std::nullopt;
    }
}
