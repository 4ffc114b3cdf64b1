#pragma once
// Where the toolbar button finds the player: the folder that the player
// records under its own key as "Radio directory", followed by the program's
// file name.

#include "common/helpers/player_program_name.h"
#include "common/ports/registry.h"

#include <string>

inline constexpr wchar_t kDefaultPlayerFolder[] = L"C:\\Program Files\\VelmoraRadio 3.01 UK\\";

// Opens the player's key, creating it when it is missing. A folder that is
// missing, empty or not a string gives way to the default folder.
std::wstring PlayerProgramPath(Registry& registry);
