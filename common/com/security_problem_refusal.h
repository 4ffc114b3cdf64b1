#pragma once
// What an embedded web browser control is told when the address it loads
// has a security problem (a certificate that fails the system's checks, a
// redirect from https to http): give up on the page. Without it the control
// asks the user in a box whose default answer is to go on, which lets a bad
// certificate through with one key press and stalls an unattended player
// until someone answers.
// https://learn.microsoft.com/previous-versions/windows/internet-explorer/ie-developer/platform-apis/ms775050(v=vs.85)

#include <urlmon.h>

class SecurityProblemRefusal final : public IHttpSecurity {
public:
    // `window` owns any other box the download needs (a password prompt).
    static SecurityProblemRefusal* Create(HWND window);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IWindowForBindingUI
    STDMETHODIMP GetWindow(REFGUID reason, HWND* window) override;

    // IHttpSecurity
    STDMETHODIMP OnSecurityProblem(DWORD problem) override;

private:
    explicit SecurityProblemRefusal(HWND window) : window_(window) {}
    ~SecurityProblemRefusal() = default;

    LONG references_ = 1;
    HWND window_;  // not owned: the dialog's
};
