#include "toolbar/radio_se_helper.h"

#include "toolbar/player_launcher_win32.h"

std::span<const InterfaceEntry<RadioSEHelper>> RadioSEHelper::Interfaces() {
    static const InterfaceEntry<RadioSEHelper> table[] = {
        {&IID_IRadioSEHelper, InterfaceOf<RadioSEHelper, IRadioSEHelper>},
        {&IID_IObjectWithSite, InterfaceOf<RadioSEHelper, IObjectWithSite>},
        {&IID_IOleCommandTarget, InterfaceOf<RadioSEHelper, IOleCommandTarget>},
        {&IID_IDispatch, InterfaceOf<RadioSEHelper, IRadioSEHelper>},
    };
    return table;
}

HRESULT RadioSEHelper::SetSite(IUnknown* site) {
    site_.Reset();
    if (!site) return S_OK;
    return SUCCEEDED(site->QueryInterface(IID_IInputObjectSite, site_.PutVoid())) ? S_OK : E_FAIL;
}

HRESULT RadioSEHelper::GetSite(REFIID riid, void** site) {
    if (!site) return E_POINTER;
    *site = nullptr;
    if (!site_) return E_FAIL;
    return site_->QueryInterface(riid, site);
}

HRESULT RadioSEHelper::QueryStatus(const GUID*, ULONG count, OLECMD commands[], OLECMDTEXT*) {
    if (count > 0 && !commands) return E_POINTER;
    for (ULONG i = 0; i < count; ++i) commands[i].cmdf = OLECMDF_ENABLED;
    return S_OK;
}

HRESULT RadioSEHelper::Exec(const GUID*, DWORD, DWORD, VARIANT*, VARIANT*) {
    // A click that cannot start the player is no error of the browser's, and
    // no exception may reach it.
    try {
        LaunchPlayer();
    } catch (...) {
    }
    return S_OK;
}
