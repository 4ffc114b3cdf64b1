// Prints what a running program holds, for scripts/soak: one line
//   <working set KB> <private KB> <handles> <GDI objects> <USER objects>
// for the first process with the given image name, or nothing (exit 1) when
// none runs.

#include "common/helpers/scoped_handle.h"

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <optional>

namespace {

std::optional<DWORD> FindProcess(const wchar_t* imageName) {
    ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, imageName) == 0) return entry.th32ProcessID;
    }
    return std::nullopt;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: process_probe IMAGE.exe\n");
        return 2;
    }
    const std::optional<DWORD> id = FindProcess(argv[1]);
    if (!id) return 1;
    ScopedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, *id));
    if (!process) return 1;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof(memory));
    DWORD handles = 0;
    GetProcessHandleCount(process.Get(), &handles);
    std::printf("%zu %zu %lu %lu %lu\n", memory.WorkingSetSize / 1024, memory.PrivateUsage / 1024,
                handles, GetGuiResources(process.Get(), GR_GDIOBJECTS),
                GetGuiResources(process.Get(), GR_USEROBJECTS));
    return 0;
}
