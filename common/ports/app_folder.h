#pragma once

#include <string>
#include <string_view>

// The folder part of a Windows path, with its trailing backslash; empty when
// the path has no backslash.
std::wstring FolderOfPath(std::wstring_view path);

#ifdef _WIN32
#include <windows.h>

// The full path of a loaded module (null: the running program); empty when
// the system cannot tell.
std::wstring ModulePath(HMODULE module);

// The folder of the running program, with a trailing backslash. Every data
// file of the player is this folder followed by the file's name.
std::wstring GetAppFolder();
#endif
