#pragma once

#include "directory/secure_connection_problem.h"

#include <windows.h>

#include <optional>

// The problem a WinInet error code stands for; nothing for the errors that
// have nothing to do with security (a server that cannot be reached, a
// time-out).
std::optional<SecureConnectionProblem> SecureConnectionProblemOf(DWORD error);
