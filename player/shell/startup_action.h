#pragma once
// What one start of the player does, decided from its command line.

#include <string_view>

enum class StartupAction {
    RegisterToolbarButton,  // "-pc": write the program folder and the browser button, then end
    Cleanup,                // "-cleanup": remove the player's data and settings, then end
    Run,                    // show the player
};

// Each option is looked for anywhere in the whole line, case-sensitively, even
// inside a longer word; "-pc" is looked for first and wins.
StartupAction ResolveStartupAction(std::wstring_view commandLine);
