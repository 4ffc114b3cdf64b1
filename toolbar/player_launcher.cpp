#include "toolbar/player_launcher.h"

#include "host/player_settings.h"

std::wstring PlayerProgramPath(Registry& registry) {
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false);
    if (!key) key = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey);
    std::wstring folder = kDefaultPlayerFolder;
    if (key) {
        // An empty folder would leave a bare file name, which the shell would
        // look for in whatever folder the browser happens to run in.
        if (auto recorded = key->ReadString(kRadioDirectoryValue); recorded && !recorded->empty()) {
            folder = std::move(*recorded);
        }
    }
    // The player writes the folder with its trailing backslash; none is added
    // here, so a folder without one runs into the file name.
    return folder + kPlayerProgramName;
}
