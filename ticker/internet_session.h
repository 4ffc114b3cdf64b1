#pragma once
// The process's one WinInet session, opened on first use and kept until the
// process ends; every feed download connects through it with handles of its
// own.

#include "common/helpers/internet_handle.h"

// Null when WinInet cannot be opened; a later call tries again.
HINTERNET ProcessInternetSession();
