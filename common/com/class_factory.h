#pragma once
// The one class factory of our COM servers, and DllGetClassObject over a
// library's table of classes.

#include <windows.h>
#include <unknwn.h>

#include <span>

enum class Aggregation {
    Allowed,  // an outer object may aggregate it, asking for IUnknown as COM requires
    Refused,
};

struct ComClass {
    const CLSID* clsid;
    HRESULT (*create)(IUnknown* outer, REFIID riid, void** result);
    Aggregation aggregation;
};

HRESULT GetClassObject(std::span<const ComClass> classes, REFCLSID clsid, REFIID riid,
                       void** result);
