#include "tests/support/player_process.h"

#include "common/ports/app_folder.h"

#include <cstdio>
#include <filesystem>

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return FolderOfPath(std::wstring(path, length));
}

PlayerCopy::PlayerCopy(const wchar_t* name) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / (std::wstring(L"velmora-") + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    folder_ = folder.wstring() + L"\\";
    if (!CopyFileW((TestProgramFolder() + L"VelmoraRadio.exe").c_str(),
                   (folder_ + L"VelmoraRadio.exe").c_str(), FALSE))
        std::fwprintf(stderr, L"could not copy the player to %ls: error %lu\n", folder_.c_str(),
                      GetLastError());
}

PlayerCopy::~PlayerCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

ScopedHandle PlayerCopy::Start(std::wstring_view arguments) const {
    std::wstring commandLine = L"\"" + folder_ + L"VelmoraRadio.exe\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process)) {
        std::fwprintf(stderr, L"could not start %ls: error %lu\n", commandLine.c_str(),
                      GetLastError());
        return ScopedHandle();
    }
    CloseHandle(process.hThread);
    return ScopedHandle(process.hProcess);
}

std::optional<DWORD> PlayerCopy::RunAndWait(std::wstring_view arguments) const {
    ScopedHandle process = Start(arguments);
    if (!process) return std::nullopt;
    return WaitForExit(process.Get());
}

std::optional<DWORD> WaitForExit(HANDLE process, DWORD timeoutMs) {
    if (const DWORD waited = WaitForSingleObject(process, timeoutMs); waited != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"the player did not end (wait result %lu, error %lu)\n", waited,
                      GetLastError());
        TerminateProcess(process, 99);
        WaitForSingleObject(process, kProcessTimeoutMs);
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        if (HWND window = FindWindowW(nullptr, title)) return window;
        Sleep(100);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

int CountTopLevelWindows(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        int count;
    } search{title, 0};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            wchar_t text[256];
            GetWindowTextW(window, text, static_cast<int>(std::size(text)));
            if (std::wstring_view(text) == search->title) ++search->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
