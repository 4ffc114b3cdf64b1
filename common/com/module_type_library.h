#pragma once
// The type library that a COM server carries as its TYPELIB 1 resource.

#include <windows.h>
#include <oaidl.h>

HRESULT LoadModuleTypeLibrary(ITypeLib** result);

// Records the library under HKEY_CLASSES_ROOT\TypeLib (and its dual
// interfaces under Interface), pointing at this module.
HRESULT RegisterModuleTypeLibrary();

// Removes that record; a library that is not registered is no failure.
HRESULT UnregisterModuleTypeLibrary();
