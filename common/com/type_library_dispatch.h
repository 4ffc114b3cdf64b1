#pragma once
// IDispatch for a dual interface, served from the type library that the
// module carries as its TYPELIB 1 resource: names and dispatch identifiers
// come from there, and calls go through the interface's own vtable.
//
//     class Thing : public ComObject<Thing,
//                                    TypeLibraryDispatch<IThing, IID_IThing>> { ... };

#include "common/helpers/com_ptr.h"

#include <windows.h>
#include <oaidl.h>

// The type information of one interface of the module's type library;
// E_OUTOFMEMORY when memory runs out on the way.
HRESULT LoadModuleTypeInfo(REFIID iid, ITypeInfo** result) noexcept;

template <class Dual, const IID& kIid>
class TypeLibraryDispatch : public Dual {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        const HRESULT hr = LoadTypeInfo();
        if (FAILED(hr)) return hr;
        typeInfo_->AddRef();
        *result = typeInfo_.Get();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        const HRESULT hr = LoadTypeInfo();
        if (FAILED(hr)) return hr;
        return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
    }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override {
        if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
        const HRESULT hr = LoadTypeInfo();
        if (FAILED(hr)) return hr;
        return DispInvoke(static_cast<Dual*>(this), typeInfo_.Get(), id, flags, parameters,
                          result, exception, argumentError);
    }

private:
    // Loaded on first use: most clients never call through IDispatch.
    HRESULT LoadTypeInfo() {
        if (typeInfo_) return S_OK;
        return LoadModuleTypeInfo(kIid, typeInfo_.Put());
    }

    ComPtr<ITypeInfo> typeInfo_;
};
