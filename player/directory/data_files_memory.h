#pragma once
// Data files in memory, for unit tests. Paths are plain keys, so the
// product's Windows paths work as they are. A folder must have been created
// before a file in it can be replaced, as on a real disk.

#include "directory/data_files.h"

#include <map>
#include <set>

class MemoryDataFiles : public DataFiles {
public:
    std::optional<std::string> Read(const std::wstring& path) override;
    bool Exists(const std::wstring& path) override;
    bool CreateFolder(const std::wstring& path) override;
    std::unique_ptr<FileReplacement> Replace(const std::wstring& path) override;

    // Test helpers.
    void Put(const std::wstring& path, std::string bytes);
    bool HasFolder(const std::wstring& path) const;
    // Every file path, in sorted order.
    std::set<std::wstring> Paths() const;
    // Makes the next replacements fail to write once they have taken this
    // many bytes.
    void LimitWrites(std::size_t bytes) { writeLimit_ = bytes; }

private:
    friend class MemoryFileReplacement;

    std::map<std::wstring, std::string> files_;
    std::set<std::wstring> folders_;  // with their trailing backslash
    std::optional<std::size_t> writeLimit_;
};
