#include "common/com/type_library_dispatch.h"

#include "common/com/module_type_library.h"

HRESULT LoadModuleTypeInfo(REFIID iid, ITypeInfo** result) noexcept {
    *result = nullptr;
    // Finding the library's file takes memory; the IDispatch methods that
    // land here must answer a failure, not throw it at their client.
    try {
        ComPtr<ITypeLib> library;
        const HRESULT hr = LoadModuleTypeLibrary(library.Put());
        if (FAILED(hr)) return hr;
        return library->GetTypeInfoOfGuid(iid, result);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}
