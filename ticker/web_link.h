#pragma once
// Feed links come from the network: the ticker only opens web pages, never a
// local program, a file or another scheme handed to the shell.

#include <string_view>

// True for an http or https address without quotes or control characters,
// which could break out of the command line a browser is started with.
bool IsWebLink(std::string_view link);
