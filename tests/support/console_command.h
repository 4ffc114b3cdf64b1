#pragma once
// Runs a Windows console program of the prefix (regsvr32, reg, cscript) and
// collects what it prints.

#include <optional>
#include <string>

struct CommandResult {
    unsigned long exitCode = 0;
    std::string output;  // standard output and error, as printed
};

// Nothing when the program could not be started or did not end in time.
std::optional<CommandResult> RunCommand(const std::wstring& commandLine);
