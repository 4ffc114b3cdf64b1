#include "common/ports/registry_win32.h"

#include <windows.h>

namespace {

HKEY RootHandle(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return nullptr;
}

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    std::optional<std::wstring> ReadString(std::wstring_view name) const override {
        const std::wstring valueName(name);
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, nullptr, &bytes) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        // The stored data need not end with a terminator, nor have an even
        // size; read into a buffer with room for one and cut at the first.
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(text.data()), &capacity) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        text.resize(capacity / sizeof(wchar_t));
        if (auto end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
        return text;
    }

    std::optional<std::uint32_t> ReadDword(std::wstring_view name) const override {
        const std::wstring valueName(name);
        DWORD type = 0;
        DWORD value = 0;
        DWORD bytes = sizeof(value);
        if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS ||
            type != REG_DWORD || bytes != sizeof(value)) {
            return std::nullopt;
        }
        return value;
    }

    bool WriteString(std::wstring_view name, std::wstring_view value) override {
        const std::wstring text(value);
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_, std::wstring(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
    }

    bool WriteDword(std::wstring_view name, std::uint32_t value) override {
        const DWORD data = value;
        return RegSetValueExW(key_, std::wstring(name).c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
    }

    bool DeleteValue(std::wstring_view name) override {
        return RegDeleteValueW(key_, std::wstring(name).c_str()) == ERROR_SUCCESS;
    }

    bool HasSubkeys() const override {
        DWORD subkeys = 0;
        return RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
               subkeys > 0;
    }

private:
    HKEY key_;  // owned: closed with this object
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::CreateKey(RegistryRoot root, std::wstring_view path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(RootHandle(root), std::wstring(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, std::wstring_view path,
                                                    bool writable) {
    HKEY key = nullptr;
    const REGSAM access = writable ? (KEY_READ | KEY_WRITE) : KEY_READ;
    if (RegOpenKeyExW(RootHandle(root), std::wstring(path).c_str(), 0, access, &key) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key);
}

bool Win32Registry::DeleteKeyTree(RegistryRoot root, std::wstring_view path) {
    // Given a subkey name, RegDeleteTreeW removes that key itself as well;
    // without one it would empty the root.
    if (path.empty()) return false;
    return RegDeleteTreeW(RootHandle(root), std::wstring(path).c_str()) == ERROR_SUCCESS;
}
