#pragma once
// A function of user32 looked up at run time rather than imported, for one
// that older Windows lack: null there, and the caller does without.

#include <windows.h>

template <class Function>
Function FindUser32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}
