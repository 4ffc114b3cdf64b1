// Holds the browser's toolbar button the way a browser does while it runs:
// creates the installed handler by its ProgID, so that Plinden.dll stays
// loaded, prints "holding" and waits until it is ended. scripts/e2e runs
// setup meanwhile, which must leave the library for the next restart.

#include "common/helpers/com_ptr.h"

#include <windows.h>

#include <docobj.h>

#include <cstdio>

int main() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    CLSID handlerClass{};
    ComPtr<IOleCommandTarget> handler;
    if (FAILED(CLSIDFromProgID(L"Plinden.RadioSEHelper", &handlerClass)) ||
        FAILED(CoCreateInstance(handlerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IOleCommandTarget,
                                reinterpret_cast<void**>(handler.Put())))) {
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(INFINITE);
}
