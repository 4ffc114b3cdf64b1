#pragma once
// RadioSEHelper: the command handler behind the browser's toolbar button.
// The browser gives it a site and calls Exec on every click, which starts
// the player. It keeps nothing between clicks.

#include "common/com/com_object.h"
#include "common/com/type_library_dispatch.h"
#include "common/helpers/com_ptr.h"
#include "plinden.h"

#include <windows.h>
#include <docobj.h>
#include <ocidl.h>
#include <shlobj.h>

#include <span>

class RadioSEHelper final
    : public ComObject<RadioSEHelper, TypeLibraryDispatch<IRadioSEHelper, IID_IRadioSEHelper>,
                       IObjectWithSite, IOleCommandTarget> {
public:
    explicit RadioSEHelper(IUnknown* outer) : ComObject(outer) {}

    // QueryInterface answers in this order.
    static std::span<const InterfaceEntry<RadioSEHelper>> Interfaces();

    // IObjectWithSite
    HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) override;
    HRESULT STDMETHODCALLTYPE GetSite(REFIID riid, void** site) override;

    // IOleCommandTarget
    HRESULT STDMETHODCALLTYPE QueryStatus(const GUID* group, ULONG count, OLECMD commands[],
                                          OLECMDTEXT* text) override;
    HRESULT STDMETHODCALLTYPE Exec(const GUID* group, DWORD command, DWORD options,
                                   VARIANT* in, VARIANT* out) override;

private:
    ~RadioSEHelper() override = default;

    ComPtr<IInputObjectSite> site_;
};
