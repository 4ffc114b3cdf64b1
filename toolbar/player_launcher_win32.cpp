#include "toolbar/player_launcher_win32.h"

#include "common/helpers/shell_open.h"
#include "common/ports/registry_win32.h"
#include "toolbar/player_launcher.h"

#include <windows.h>

void LaunchPlayer() {
    Win32Registry registry;
    const std::wstring program = PlayerProgramPath(registry);
    // A player that is not there is no error of the button's: the shell's
    // result is not acted on.
    OpenOwnLocalPath(nullptr, program);
}
