#include "toolbar/player_launcher_win32.h"

#include "common/ports/registry_win32.h"
#include "toolbar/player_launcher.h"

#include <windows.h>
#include <shellapi.h>

void LaunchPlayer() {
    Win32Registry registry;
    const std::wstring program = PlayerProgramPath(registry);
    // A player that is not there is no error of the button's: the shell's
    // result is not acted on.
    ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
