#pragma once
// DllRegisterServer and DllUnregisterServer of our COM servers: the
// library's REGISTRY resource script, with %MODULE% standing for the
// library's full path, and the type library it carries as TYPELIB 1.

#include <windows.h>

// Writes the script's keys, then registers the type library. Nothing stays
// written when either fails.
HRESULT RegisterComServer(UINT scriptResource);

// Removes the script's keys and unregisters the type library; what is
// already gone counts as removed.
HRESULT UnregisterComServer(UINT scriptResource);
