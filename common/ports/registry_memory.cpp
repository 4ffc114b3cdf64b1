#include "common/ports/registry_memory.h"

#include "common/helpers/text_case.h"

#include <algorithm>
#include <utility>

namespace {

std::vector<std::wstring> SplitKeyPath(std::wstring_view path) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring_view::npos) end = path.size();
        if (end > start) parts.push_back(LowerCase(path.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

class MemoryKey : public RegistryKey {
public:
    MemoryKey(MemoryRegistry::Node& node, bool writable) : node_(node), writable_(writable) {}

    std::optional<std::wstring> ReadString(std::wstring_view name) const override {
        const auto* value = Find(name);
        if (!value) return std::nullopt;
        if (const auto* text = std::get_if<std::wstring>(&value->value)) return *text;
        return std::nullopt;
    }

    std::optional<std::uint32_t> ReadDword(std::wstring_view name) const override {
        const auto* value = Find(name);
        if (!value) return std::nullopt;
        if (const auto* number = std::get_if<std::uint32_t>(&value->value)) return *number;
        return std::nullopt;
    }

    bool WriteString(std::wstring_view name, std::wstring_view value) override {
        return Write(name, std::wstring(value));
    }

    bool WriteDword(std::wstring_view name, std::uint32_t value) override {
        return Write(name, value);
    }

    bool DeleteValue(std::wstring_view name) override {
        if (!writable_) return false;
        auto& values = node_.values;
        auto it = std::find_if(values.begin(), values.end(), [&](const auto& v) {
            return EqualsIgnoringCase(v.name, name);
        });
        if (it == values.end()) return false;
        values.erase(it);
        return true;
    }

    bool HasSubkeys() const override { return !node_.subkeys.empty(); }

private:
    // node_ is a reference, so even a const key can hand out a writable value.
    MemoryRegistry::NamedValue* Find(std::wstring_view name) const {
        for (auto& value : node_.values) {
            if (EqualsIgnoringCase(value.name, name)) return &value;
        }
        return nullptr;
    }

    bool Write(std::wstring_view name, MemoryRegistry::Value value) {
        if (!writable_) return false;
        if (auto* existing = Find(name)) {
            existing->value = std::move(value);
        } else {
            node_.values.push_back({std::wstring(name), std::move(value)});
        }
        return true;
    }

    // Keys handed out must not outlive the registry or the deletion of their
    // key; the tests that use this class keep to that.
    MemoryRegistry::Node& node_;
    bool writable_;
};

}  // namespace

std::unique_ptr<RegistryKey> MemoryRegistry::CreateKey(RegistryRoot root, std::wstring_view path) {
    if (WritesDenied(root, path)) return nullptr;
    Node* node = &roots_[root];
    for (const auto& part : SplitKeyPath(path)) node = &node->subkeys[part];
    return std::make_unique<MemoryKey>(*node, true);
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(RegistryRoot root, std::wstring_view path,
                                                     bool writable) {
    Node* node = Find(root, path);
    if (!node || (writable && WritesDenied(root, path))) return nullptr;
    return std::make_unique<MemoryKey>(*node, writable);
}

bool MemoryRegistry::DeleteKeyTree(RegistryRoot root, std::wstring_view path) {
    auto parts = SplitKeyPath(path);
    if (parts.empty() || WritesDenied(root, path)) return false;
    std::wstring last = parts.back();
    parts.pop_back();
    Node* parent = &roots_[root];
    for (const auto& part : parts) {
        auto it = parent->subkeys.find(part);
        if (it == parent->subkeys.end()) return false;
        parent = &it->second;
    }
    return parent->subkeys.erase(last) == 1;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, std::wstring_view path) const {
    return Find(root, path) != nullptr;
}

std::vector<std::wstring> MemoryRegistry::ValueNames(RegistryRoot root,
                                                     std::wstring_view path) const {
    std::vector<std::wstring> names;
    if (const Node* node = Find(root, path)) {
        for (const auto& value : node->values) names.push_back(value.name);
    }
    return names;
}

void MemoryRegistry::DenyWrites(RegistryRoot root, std::wstring_view path) {
    Node* node = &roots_[root];
    for (const auto& part : SplitKeyPath(path)) node = &node->subkeys[part];
    node->readOnly = true;
}

MemoryRegistry::Node* MemoryRegistry::Find(RegistryRoot root, std::wstring_view path) {
    return const_cast<Node*>(std::as_const(*this).Find(root, path));
}

const MemoryRegistry::Node* MemoryRegistry::Find(RegistryRoot root,
                                                 std::wstring_view path) const {
    auto rootIt = roots_.find(root);
    if (rootIt == roots_.end()) return nullptr;
    const Node* node = &rootIt->second;
    for (const auto& part : SplitKeyPath(path)) {
        auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) return nullptr;
        node = &it->second;
    }
    return node;
}

bool MemoryRegistry::WritesDenied(RegistryRoot root, std::wstring_view path) const {
    auto rootIt = roots_.find(root);
    if (rootIt == roots_.end()) return false;
    const Node* node = &rootIt->second;
    if (node->readOnly) return true;
    for (const auto& part : SplitKeyPath(path)) {
        auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) return false;
        node = &it->second;
        if (node->readOnly) return true;
    }
    return false;
}
