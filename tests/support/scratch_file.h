#pragma once
// Files the contract suites write, in the system's temporary folder.

#include <filesystem>
#include <fstream>
#include <string>

inline std::wstring ScratchFile(const wchar_t* name) {
    return (std::filesystem::temp_directory_path() / (std::wstring(L"velmora-") + name)).wstring();
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file << bytes;
}
