#pragma once
// Runs copies of the built player for the Windows tests. Each test works on a
// copy in a folder of its own, since the player keeps its data beside itself.

#include "common/helpers/scoped_handle.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

inline constexpr DWORD kProcessTimeoutMs = 30000;

// The folder of the running test program, with its trailing backslash; the
// built deliverables lie there too.
std::wstring TestProgramFolder();

class PlayerCopy {
public:
    // Copies VelmoraRadio.exe from beside the test program into a fresh
    // temporary folder named after the test.
    explicit PlayerCopy(const wchar_t* name);
    ~PlayerCopy();
    PlayerCopy(const PlayerCopy&) = delete;
    PlayerCopy& operator=(const PlayerCopy&) = delete;

    // The folder with its trailing backslash, as the player sees it.
    const std::wstring& Folder() const { return folder_; }

    ScopedHandle Start(std::wstring_view arguments) const;
    // The exit code, or nothing when the player did not end in time (it is
    // then ended).
    std::optional<DWORD> RunAndWait(std::wstring_view arguments) const;

private:
    std::wstring folder_;
};

// The top-level window with this title, waited for up to the time-out.
HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs = kProcessTimeoutMs);
int CountTopLevelWindows(const wchar_t* title);
std::optional<DWORD> WaitForExit(HANDLE process, DWORD timeoutMs = kProcessTimeoutMs);

bool FileExists(const std::wstring& path);
