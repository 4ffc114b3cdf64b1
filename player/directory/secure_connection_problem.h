#pragma once
// Why an https address was refused: its server's certificate failed the
// system's checks, or the connection could not be kept secure.

enum class SecureConnectionProblem {
    UntrustedCertificate,  // signed by no authority the system trusts
    ExpiredCertificate,    // out of its dates
    OtherNameCertificate,  // made out for another host name
    NotSecure,             // any other failure of the secure channel, or a redirect to http
};
