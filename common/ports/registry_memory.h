#pragma once
// An in-memory registry for unit tests. It behaves like the real one where
// callers can tell: key and value names compare without regard to ASCII case,
// deleting a key takes its subkeys along, and a key opened for writing is
// refused when writes are denied. Values keep the order in which they were
// first written, so tests can check the order of writes.

#include "common/ports/registry.h"

#include <map>
#include <variant>
#include <vector>

class MemoryRegistry : public Registry {
public:
    using Value = std::variant<std::wstring, std::uint32_t>;
    struct NamedValue {
        std::wstring name;
        Value value;
    };
    struct Node {
        std::vector<NamedValue> values;  // in first-write order
        std::map<std::wstring, Node> subkeys;  // keyed by lower-cased name
        bool readOnly = false;
    };

    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::wstring_view path) override;
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::wstring_view path,
                                         bool writable) override;
    bool DeleteKeyTree(RegistryRoot root, std::wstring_view path) override;

    // Test helpers.
    bool KeyExists(RegistryRoot root, std::wstring_view path) const;
    // Value names of a key in write order; empty when the key is missing.
    std::vector<std::wstring> ValueNames(RegistryRoot root, std::wstring_view path) const;
    // Refuses writes to this key, to keys below it and to new keys below it.
    void DenyWrites(RegistryRoot root, std::wstring_view path);

private:
    Node* Find(RegistryRoot root, std::wstring_view path);
    const Node* Find(RegistryRoot root, std::wstring_view path) const;
    bool WritesDenied(RegistryRoot root, std::wstring_view path) const;

    std::map<RegistryRoot, Node> roots_;
};
