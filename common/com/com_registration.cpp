#include "common/com/com_registration.h"

#include "common/com/com_module.h"
#include "common/com/module_type_library.h"
#include "common/com/registrar.h"
#include "common/ports/registry_win32.h"

#include <olectl.h>

#include <optional>
#include <string>

namespace {

// The script resource is UTF-8 text, with or without a byte-order mark.
std::optional<std::wstring> ReadScriptResource(UINT id) {
    const HMODULE module = ComModule::Instance();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const auto* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    if (size == 0) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes,
                                           static_cast<int>(size), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(size),
                        text.data(), length);
    if (text.front() == L'\uFEFF') text.erase(0, 1);
    return text;
}

std::optional<RegistrationScript> LoadScript(UINT id) {
    const auto text = ReadScriptResource(id);
    if (!text) return std::nullopt;
    auto parsed = ParseRegistrationScript(*text, {{L"MODULE", ComModule::Path()}});
    return std::move(parsed.script);
}

HRESULT Register(UINT scriptResource) {
    const auto script = LoadScript(scriptResource);
    if (!script) return SELFREG_E_CLASS;
    Win32Registry registry;
    if (!ApplyRegistration(registry, *script)) return SELFREG_E_CLASS;
    if (FAILED(RegisterModuleTypeLibrary())) {
        RemoveRegistration(registry, *script);
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

HRESULT Unregister(UINT scriptResource) {
    const auto script = LoadScript(scriptResource);
    if (!script) return SELFREG_E_CLASS;
    Win32Registry registry;
    const bool keysRemoved = RemoveRegistration(registry, *script);
    const HRESULT typeLibrary = UnregisterModuleTypeLibrary();
    if (!keysRemoved) return SELFREG_E_CLASS;
    return FAILED(typeLibrary) ? SELFREG_E_TYPELIB : S_OK;
}

}  // namespace

// These run inside DllRegisterServer and DllUnregisterServer, which no
// exception may leave; the script and paths are strings that may fail to
// allocate.
HRESULT RegisterComServer(UINT scriptResource) {
    try {
        return Register(scriptResource);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT UnregisterComServer(UINT scriptResource) {
    try {
        return Unregister(scriptResource);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}
