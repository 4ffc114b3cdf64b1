#pragma once
// The state every in-process COM server keeps once: its module handle and the
// count of live objects, class factories and server locks that decides
// whether the library may be unloaded.

#include <windows.h>

#include <string>

class ComModule {
public:
    // Called from DllMain on DLL_PROCESS_ATTACH.
    static void Attach(HINSTANCE instance);
    // Null until then: in a program that uses the kit itself, the program.
    static HINSTANCE Instance();
    // The library's full path, as the registration writes it.
    static std::wstring Path();

    // Objects, factories and IClassFactory::LockServer(TRUE) each hold one.
    static void AddRef();
    static void Release();
    // DllCanUnloadNow: true when nothing holds the library any more.
    static bool CanUnload();
};

// Keeps the library loaded for as long as its owner lives; a member of every
// object the library hands out.
class ModuleReference {
public:
    ModuleReference() { ComModule::AddRef(); }
    ~ModuleReference() { ComModule::Release(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
};
