#include "common/com/security_problem_refusal.h"

#include <wininet.h>

#include <new>

SecurityProblemRefusal* SecurityProblemRefusal::Create(HWND window) {
    return new (std::nothrow) SecurityProblemRefusal(window);
}

STDMETHODIMP SecurityProblemRefusal::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IWindowForBindingUI && iid != IID_IHttpSecurity)
        return E_NOINTERFACE;
    *object = static_cast<IHttpSecurity*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) SecurityProblemRefusal::AddRef() { return InterlockedIncrement(&references_); }

STDMETHODIMP_(ULONG) SecurityProblemRefusal::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP SecurityProblemRefusal::GetWindow(REFGUID, HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
}

// A redirect from http to https only makes the page safer, so it goes on;
// every other problem ends the download, and the page fails to load as it
// would without a network.
STDMETHODIMP SecurityProblemRefusal::OnSecurityProblem(DWORD problem) {
    return problem == ERROR_INTERNET_HTTP_TO_HTTPS_ON_REDIR ? RPC_E_RETRY : E_ABORT;
}
