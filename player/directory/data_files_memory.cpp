#include "directory/data_files_memory.h"

#include "common/ports/app_folder.h"

class MemoryFileReplacement : public FileReplacement {
public:
    MemoryFileReplacement(MemoryDataFiles& files, std::wstring path)
        : files_(files), path_(std::move(path)) {}

    bool Write(std::string_view bytes) override {
        if (files_.writeLimit_ && bytes_.size() + bytes.size() > *files_.writeLimit_) return false;
        bytes_.append(bytes);
        return true;
    }

    bool Commit() override {
        files_.files_[path_] = std::move(bytes_);
        return true;
    }

private:
    MemoryDataFiles& files_;
    std::wstring path_;
    std::string bytes_;
};

std::optional<std::string> MemoryDataFiles::Read(const std::wstring& path) {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

bool MemoryDataFiles::Exists(const std::wstring& path) {
    const auto found = files_.find(path);
    return found != files_.end() && !found->second.empty();
}

bool MemoryDataFiles::CreateFolder(const std::wstring& path) {
    std::wstring folder = path;
    if (!folder.ends_with(L'\\')) folder += L'\\';
    folders_.insert(folder);
    return true;
}

std::unique_ptr<FileReplacement> MemoryDataFiles::Replace(const std::wstring& path) {
    const std::wstring folder = FolderOfPath(path);
    if (!folder.empty() && !folders_.contains(folder)) return nullptr;
    return std::make_unique<MemoryFileReplacement>(*this, path);
}

void MemoryDataFiles::Put(const std::wstring& path, std::string bytes) {
    files_[path] = std::move(bytes);
}

bool MemoryDataFiles::HasFolder(const std::wstring& path) const {
    return folders_.contains(path);
}

std::set<std::wstring> MemoryDataFiles::Paths() const {
    std::set<std::wstring> paths;
    for (const auto& [path, bytes] : files_) paths.insert(path);
    return paths;
}
