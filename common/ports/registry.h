#pragma once
// The registry as the program uses it: keys under a few roots, string and
// 32-bit values. The product talks to advapi32 (registry_win32.h); unit tests
// use an in-memory tree (registry_memory.h).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// An open key. Closing happens when the object goes away.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // A value that is missing or of another type reads as nothing.
    virtual std::optional<std::wstring> ReadString(std::wstring_view name) const = 0;
    virtual std::optional<std::uint32_t> ReadDword(std::wstring_view name) const = 0;

    // An empty name stands for the key's default value.
    virtual bool WriteString(std::wstring_view name, std::wstring_view value) = 0;
    virtual bool WriteDword(std::wstring_view name, std::uint32_t value) = 0;
    virtual bool DeleteValue(std::wstring_view name) = 0;

    // Whether the key has keys below it (values do not count).
    virtual bool HasSubkeys() const = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key, creating every missing level; null when that fails.
    virtual std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::wstring_view path) = 0;
    // Opens an existing key; null when it is missing or access is refused.
    virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::wstring_view path,
                                                 bool writable) = 0;
    // Deletes the key with all its subkeys. False when it did not exist or
    // could not be deleted.
    virtual bool DeleteKeyTree(RegistryRoot root, std::wstring_view path) = 0;
};
