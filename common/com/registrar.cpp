#include "common/com/registrar.h"

namespace {

std::wstring SubkeyPath(std::wstring_view parent, std::wstring_view name) {
    if (parent.empty()) return std::wstring(name);
    return std::wstring(parent) + L"\\" + std::wstring(name);
}

bool KeyExists(Registry& registry, RegistryRoot root, const std::wstring& path) {
    return registry.OpenKey(root, path, false) != nullptr;
}

// A key that is already gone counts as deleted.
bool DeleteWhole(Registry& registry, RegistryRoot root, const std::wstring& path) {
    return registry.DeleteKeyTree(root, path) || !KeyExists(registry, root, path);
}

bool WriteValue(RegistryKey& key, const ScriptValue& value) {
    if (const auto* text = std::get_if<std::wstring>(&value.data)) {
        return key.WriteString(value.name, *text);
    }
    return key.WriteDword(value.name, std::get<std::uint32_t>(value.data));
}

bool ApplyKey(Registry& registry, RegistryRoot root, std::wstring_view parent,
              const ScriptKey& key) {
    const std::wstring path = SubkeyPath(parent, key.name);
    if (key.removal == KeyRemoval::ForceRemove && !DeleteWhole(registry, root, path)) {
        return false;
    }
    auto opened = registry.CreateKey(root, path);
    if (!opened) return false;
    for (const auto& value : key.values) {
        if (!WriteValue(*opened, value)) return false;
    }
    for (const auto& subkey : key.subkeys) {
        if (!ApplyKey(registry, root, path, subkey)) return false;
    }
    return true;
}

bool RemoveKey(Registry& registry, RegistryRoot root, std::wstring_view parent,
               const ScriptKey& key) {
    const std::wstring path = SubkeyPath(parent, key.name);
    if (key.removal == KeyRemoval::ForceRemove) return DeleteWhole(registry, root, path);
    if (!KeyExists(registry, root, path)) return true;

    // Go on after a failure, so as much as possible is removed.
    bool removed = true;
    for (const auto& subkey : key.subkeys) {
        removed = RemoveKey(registry, root, path, subkey) && removed;
    }
    if (key.removal == KeyRemoval::NoRemove) return removed;

    auto opened = registry.OpenKey(root, path, true);
    if (!opened) return false;
    if (opened->HasSubkeys()) {
        // Someone else keeps keys here: leave them their key and take back
        // only our values.
        for (const auto& value : key.values) opened->DeleteValue(value.name);
        return removed;
    }
    opened.reset();
    return DeleteWhole(registry, root, path) && removed;
}

}  // namespace

bool ApplyRegistration(Registry& registry, const RegistrationScript& script) {
    for (const auto& root : script.roots) {
        for (const auto& key : root.keys) {
            if (!ApplyKey(registry, root.root, L"", key)) {
                RemoveRegistration(registry, script);
                return false;
            }
        }
    }
    return true;
}

bool RemoveRegistration(Registry& registry, const RegistrationScript& script) {
    bool removed = true;
    for (const auto& root : script.roots) {
        for (const auto& key : root.keys) {
            removed = RemoveKey(registry, root.root, L"", key) && removed;
        }
    }
    return removed;
}
