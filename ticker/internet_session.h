#pragma once
// The process's one WinInet session, opened on first use and kept until the
// process ends; every feed download connects through it.

#include <windows.h>
#include <wininet.h>

// Null when WinInet cannot be opened; a later call tries again.
HINTERNET ProcessInternetSession();
