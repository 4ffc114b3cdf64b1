#pragma once
// The player's data files as the directory refresh needs them. Windows uses
// the file system (data_files_win32.h); unit tests keep files in memory
// (data_files_memory.h), so the product's Windows paths work unchanged there.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A new version of a file, written beside it. It takes the file's place only
// when committed; dropped uncommitted, it is removed and the old file stays.
class FileReplacement {
public:
    virtual ~FileReplacement() = default;
    virtual bool Write(std::string_view bytes) = 0;
    virtual bool Commit() = 0;
};

class DataFiles {
public:
    virtual ~DataFiles() = default;

    // The whole file; nothing when it cannot be read.
    virtual std::optional<std::string> Read(const std::wstring& path) = 0;
    // A file with nothing in it counts as missing: setup makes the data
    // files empty, so that every user may later write them.
    virtual bool Exists(const std::wstring& path) = 0;
    // An existing folder counts as success.
    virtual bool CreateFolder(const std::wstring& path) = 0;
    // Null when the new version cannot be started (no folder, no access).
    virtual std::unique_ptr<FileReplacement> Replace(const std::wstring& path) = 0;
};
