#pragma once
// The registry port over advapi32.

#include "common/ports/registry.h"

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, std::wstring_view path) override;
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::wstring_view path,
                                         bool writable) override;
    bool DeleteKeyTree(RegistryRoot root, std::wstring_view path) override;
};
