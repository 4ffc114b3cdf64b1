#include "type_library_dispatch.h"

#include "module_type_library.h"

HRESULT LoadModuleTypeInfo(REFIID iid, ITypeInfo** result) {
    *result = nullptr;
    ComPtr<ITypeLib> library;
    const HRESULT hr = LoadModuleTypeLibrary(library.Put());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(iid, result);
}
