#pragma once
// Runs a command line to its end, as the user would from a console, and
// hands back what it printed.

#include <windows.h>

#include <optional>
#include <string>

struct ProgramResult {
    DWORD exitCode;
    std::string output;  // standard output and error, in the console's code page
};

std::optional<ProgramResult> RunProgram(std::wstring commandLine);
