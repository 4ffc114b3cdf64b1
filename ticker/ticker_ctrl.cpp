#include "ticker/ticker_ctrl.h"

#include "common/helpers/shell_open.h"
#include "common/ports/ansi_text.h"
#include "common/ports/registry_win32.h"
#include "ticker/ticker_settings.h"

TickerCtrl::TickerCtrl(IUnknown* outer) : ComObject(outer) {
    // A window that cannot be made leaves an object whose methods act on no
    // window; creation itself still succeeds.
    window_.Create(this);
}

TickerCtrl::~TickerCtrl() {
    window_.Destroy();
    // Runs inside Release: the speed and channel are kept if they can be,
    // and a failed allocation must not end the host program.
    try {
        Win32Registry registry;
        SaveTickerState(registry, window_.Delay(), window_.ChannelIndex());
    } catch (...) {
    }
}

std::span<const InterfaceEntry<TickerCtrl>> TickerCtrl::Interfaces() {
    static const InterfaceEntry<TickerCtrl> table[] = {
        {&IID_ITickerCtrl, InterfaceOf<TickerCtrl, ITickerCtrl>},
        {&IID_IDispatch, InterfaceOf<TickerCtrl, ITickerCtrl>},
    };
    return table;
}

HRESULT STDMETHODCALLTYPE TickerCtrl::ShowWindow(long nCmdShow) {
    ::ShowWindow(window_.Handle(), static_cast<int>(nCmdShow));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TickerCtrl::get_IsVisible(long* pVal) {
    if (!pVal) return E_POINTER;
    *pVal = IsWindowVisible(window_.Handle());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TickerCtrl::SetChannel(BSTR bstrNewChannel) {
    try {
        const std::wstring_view name(bstrNewChannel ? bstrNewChannel : L"",
                                     SysStringLen(bstrNewChannel));
        window_.SelectChannelByName(WideToAnsi(name));
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TickerCtrl::SetDravikHall(IUnknown* pDravikHall) {
    hall_.Reset();
    if (!pDravikHall) return S_OK;
    const HRESULT hr = pDravikHall->QueryInterface(IID_IDravikHall, hall_.PutVoid());
    // An object that is no hall simply leaves links to the shell.
    return hr == E_NOINTERFACE ? S_OK : hr;
}

void TickerCtrl::OpenLink(const std::string& link) {
    // The host may release the ticker while it navigates; this reference
    // keeps the object and its window alive until the call is over.
    const HeldReference self(*this);
    if (hall_) {
        const Bstr url(AnsiToWide(link));
        VARIANT target;
        VariantInit(&target);
        target.vt = VT_BSTR;
        target.bstrVal = url.Get();
        const HRESULT hr = hall_->Navigate(&target, nullptr, nullptr, nullptr, nullptr);
        if (SUCCEEDED(hr)) {
            SetFocus(window_.Handle());
            return;
        }
        // A hall that cannot open the link leaves it to the user's browser.
    }
    OpenWebPage(nullptr, link, SW_SHOWDEFAULT);
}
