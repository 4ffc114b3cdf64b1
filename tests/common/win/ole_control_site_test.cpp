#include "common/com/ole_control_site.h"

#include "common/helpers/com_ptr.h"

#include <gtest/gtest.h>
#include <urlmon.h>
#include <wininet.h>

namespace {

// The control finds the refusal through its client site's services, under
// either name it asks for it by, and hands any box it still needs to the
// control's window.
TEST(OleControlSite, RefusesSecurityProblemsThroughItsServices) {
    const HWND window = GetDesktopWindow();
    ComPtr<OleControlSite> site;
    *site.Put() = OleControlSite::Create(window, RECT{0, 0, 10, 10});
    ASSERT_TRUE(site);
    ComPtr<IServiceProvider> services;
    ASSERT_EQ(site->QueryInterface(IID_IServiceProvider, services.PutVoid()), S_OK);

    ComPtr<IHttpSecurity> security;
    ASSERT_EQ(services->QueryService(IID_IHttpSecurity, IID_IHttpSecurity, security.PutVoid()),
              S_OK);
    EXPECT_EQ(security->OnSecurityProblem(ERROR_INTERNET_INVALID_CA), E_ABORT);
    EXPECT_EQ(security->OnSecurityProblem(ERROR_INTERNET_HTTPS_TO_HTTP_ON_REDIR), E_ABORT);

    ComPtr<IWindowForBindingUI> binding;
    ASSERT_EQ(
        services->QueryService(IID_IWindowForBindingUI, IID_IWindowForBindingUI, binding.PutVoid()),
        S_OK);
    HWND owner = nullptr;
    EXPECT_EQ(binding->GetWindow(IID_IHttpSecurity, &owner), S_OK);
    EXPECT_EQ(owner, window);
}

}  // namespace
