#include "shell/startup_action.h"

StartupAction ResolveStartupAction(std::wstring_view commandLine) {
    if (commandLine.find(L"-pc") != std::wstring_view::npos)
        return StartupAction::RegisterToolbarButton;
    if (commandLine.find(L"-cleanup") != std::wstring_view::npos) return StartupAction::Cleanup;
    return StartupAction::Run;
}
