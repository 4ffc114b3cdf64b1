#include "common/com/ole_control_site.h"

#include "common/com/security_problem_refusal.h"
#include "common/helpers/com_ptr.h"

#include <new>

OleControlSite* OleControlSite::Create(HWND window, const RECT& place) {
    return new (std::nothrow) OleControlSite(window, place);
}

STDMETHODIMP OleControlSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IServiceProvider) {
        *object = static_cast<IServiceProvider*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) OleControlSite::AddRef() { return InterlockedIncrement(&references_); }

STDMETHODIMP_(ULONG) OleControlSite::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP OleControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP OleControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
}

STDMETHODIMP OleControlSite::GetWindowContext(IOleInPlaceFrame** frame,
                                              IOleInPlaceUIWindow** document, RECT* position,
                                              RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
    if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
    *frame = this;
    AddRef();
    *document = nullptr;
    *position = place_;
    *clip = place_;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = window_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

// The control asks for the binding window service too: the refusal is one,
// as IHttpSecurity is an IWindowForBindingUI.
STDMETHODIMP OleControlSite::QueryService(REFGUID service, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (service != IID_IHttpSecurity && service != IID_IWindowForBindingUI) return E_NOINTERFACE;
    ComPtr<SecurityProblemRefusal> refusal;
    *refusal.Put() = SecurityProblemRefusal::Create(window_);
    if (!refusal) return E_OUTOFMEMORY;
    return refusal->QueryInterface(iid, object);
}
