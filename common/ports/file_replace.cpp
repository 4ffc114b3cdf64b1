#include "common/ports/file_replace.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path SavingFolderOf(const std::wstring& target) {
    return std::filesystem::path(target).parent_path() / kSavingFolderName;
}

std::wstring InSavingFolder(const std::wstring& target, const std::wstring& suffix) {
    const std::filesystem::path path(target);
    return (SavingFolderOf(target) / (path.filename().wstring() + suffix)).wstring();
}

}  // namespace

std::wstring MakeSavingFolder(const std::wstring& target) {
    const std::filesystem::path folder = SavingFolderOf(target);
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    return (folder / L"").wstring();
}

std::wstring ReplacementName(const std::wstring& target) {
    MakeSavingFolder(target);
    return InSavingFolder(target, L".new");
}

std::wstring WaitingName(const std::wstring& target) { return InSavingFolder(target, L""); }
