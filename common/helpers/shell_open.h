#pragma once
// Everything the program hands to the shell's "open" verb goes through here.
// Targets that came from the network or a data file open only when they are
// web addresses; the program's own local folders and files have a call of
// their own, so no address from outside can reach it.
//
// Each call answers whether the shell took the target.

#include <windows.h>

#include <string>
#include <string_view>

// A web page in the user's browser. Anything but an http or https address is
// refused without asking the shell.
bool OpenWebPage(HWND owner, std::wstring_view url, int show = SW_SHOWNORMAL);
// The same for the ANSI ticker library.
bool OpenWebPage(HWND owner, std::string_view url, int show = SW_SHOWNORMAL);

// A folder or file the program itself names, such as the recordings folder.
// Never pass it text read from the network or from a data file.
bool OpenOwnLocalPath(HWND owner, const std::wstring& path);
