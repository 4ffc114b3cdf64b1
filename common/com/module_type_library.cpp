#include "common/com/module_type_library.h"

#include "common/com/com_module.h"
#include "common/helpers/com_ptr.h"
#include "common/ports/registry_win32.h"

#include <cwchar>

namespace {

struct TypeLibraryIdentity {
    GUID guid;
    WORD major;
    WORD minor;
    LCID locale;
    SYSKIND system;
};

HRESULT ReadIdentity(ITypeLib& library, TypeLibraryIdentity& identity) {
    TLIBATTR* attributes = nullptr;
    const HRESULT hr = library.GetLibAttr(&attributes);
    if (FAILED(hr)) return hr;
    identity = {attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                attributes->lcid, attributes->syskind};
    library.ReleaseTLibAttr(attributes);
    return S_OK;
}

// HKEY_CLASSES_ROOT\TypeLib\{guid}\major.minor, versions in hexadecimal as
// the type library registration writes them.
bool IsRegistered(const TypeLibraryIdentity& identity) {
    wchar_t guid[40];
    if (!StringFromGUID2(identity.guid, guid, static_cast<int>(std::size(guid)))) return false;
    wchar_t path[80];
    std::swprintf(path, std::size(path), L"TypeLib\\%ls\\%x.%x", guid, identity.major,
                  identity.minor);
    return Win32Registry().OpenKey(RegistryRoot::ClassesRoot, path, false) != nullptr;
}

using UnRegisterTypeLibFunction = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);

// Early versions of oleaut32 had no UnRegisterTypeLib, so it is looked up
// rather than imported.
UnRegisterTypeLibFunction FindUnRegisterTypeLib() {
    HMODULE automation = GetModuleHandleW(L"oleaut32.dll");
    if (!automation) return nullptr;
    // Through void(*)() so the compiler accepts the change of function type.
    return reinterpret_cast<UnRegisterTypeLibFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(automation, "UnRegisterTypeLib")));
}

}  // namespace

HRESULT LoadModuleTypeLibrary(ITypeLib** result) {
    return LoadTypeLibEx(ComModule::Path().c_str(), REGKIND_NONE, result);
}

HRESULT RegisterModuleTypeLibrary() {
    ComPtr<ITypeLib> library;
    const HRESULT hr = LoadModuleTypeLibrary(library.Put());
    if (FAILED(hr)) return hr;
    std::wstring path = ComModule::Path();
    return RegisterTypeLib(library.Get(), path.data(), nullptr);
}

HRESULT UnregisterModuleTypeLibrary() {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadModuleTypeLibrary(library.Put());
    if (FAILED(hr)) return hr;
    TypeLibraryIdentity identity{};
    hr = ReadIdentity(*library.Get(), identity);
    if (FAILED(hr)) return hr;
    if (!IsRegistered(identity)) return S_OK;
    const auto unregister = FindUnRegisterTypeLib();
    if (!unregister) return E_NOTIMPL;
    return unregister(identity.guid, identity.major, identity.minor, identity.locale,
                      identity.system);
}
