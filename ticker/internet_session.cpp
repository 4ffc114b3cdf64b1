#include "ticker/internet_session.h"

#include <mutex>

HINTERNET ProcessInternetSession() {
    // Downloads of several tickers may start at the same moment; the lock
    // makes sure only one of them opens the session.
    static std::mutex opening;
    static HINTERNET session = nullptr;  // owned by the process, never closed
    std::lock_guard lock(opening);
    if (!session) {
        session = InternetOpenA("Mozilla/4.0 (compatible; MSIE 5.5; Windows)",
                                INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    }
    return session;
}
