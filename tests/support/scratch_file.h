#pragma once
// Reading and writing whole files, and the files the tests write, in a folder of this test process's own under the
// system's temporary folder. Test programs run side by side (CTest runs cases
// in parallel, and several builds may test at once), so no two processes
// share a name; the folder goes away when the process ends.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

inline const std::filesystem::path& ScratchFolder() {
    struct OwnFolder {
        std::filesystem::path path;
        OwnFolder() {
#ifdef _WIN32
            const auto process = GetCurrentProcessId();
#else
            const auto process = getpid();
#endif
            path = std::filesystem::temp_directory_path() /
                   ("velmora-tests-" + std::to_string(process));
            std::filesystem::create_directories(path);
        }
        ~OwnFolder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const OwnFolder folder;
    return folder.path;
}

inline std::wstring ScratchFile(const wchar_t* name) {
    return (ScratchFolder() / name).wstring();
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
