#pragma once
// The player's application object: reads the command line and either runs a
// maintenance action or shows the one main window of the one running player.

#include <windows.h>

#include <string_view>

inline constexpr wchar_t kInstanceMutexName[] = L"Tarnel Player Skinned 3.01 mutex";
inline constexpr wchar_t kMainWindowTitle[] = L"VelmoraRadio";

class COrvaneApp {
public:
    // Does all of the program's work; the program ends when this returns.
    void InitInstance(std::wstring_view commandLine);

private:
    void RunPlayer();
};
