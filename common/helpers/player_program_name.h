#pragma once
// The player program's file name, which the toolbar button starts and beside
// which the ticker library keeps its log.

inline constexpr wchar_t kPlayerProgramName[] = L"VelmoraRadio.exe";
