// Clicks the browser's toolbar button the way the browser does: creates the
// installed handler by its ProgID, asks for its command's status and calls
// Exec. Prints each result; exits with 0 only when every call succeeded.
// scripts/e2e then watches for the player that the click starts.

#include "common/helpers/com_ptr.h"

#include <windows.h>

#include <docobj.h>

#include <cstdio>

namespace {

bool Report(const char* step, HRESULT result) {
    std::printf("%s: 0x%08lX\n", step, static_cast<unsigned long>(result));
    return SUCCEEDED(result);
}

bool ClickToolbarButton() {
    CLSID handlerClass{};
    if (!Report("CLSIDFromProgID(Plinden.RadioSEHelper)",
                CLSIDFromProgID(L"Plinden.RadioSEHelper", &handlerClass))) {
        return false;
    }
    ComPtr<IOleCommandTarget> handler;
    if (!Report("CoCreateInstance",
                CoCreateInstance(handlerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IOleCommandTarget,
                                 reinterpret_cast<void**>(handler.Put())))) {
        return false;
    }
    OLECMD command{0, 0};
    const bool statusOk =
        Report("QueryStatus", handler->QueryStatus(nullptr, 1, &command, nullptr));
    std::printf("command flags: %lu\n", command.cmdf);
    const bool enabled = statusOk && command.cmdf == OLECMDF_ENABLED;
    return Report("Exec", handler->Exec(nullptr, 0, 0, nullptr, nullptr)) && enabled;
}

}  // namespace

int main() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    const bool clicked = ClickToolbarButton();
    CoUninitialize();
    return clicked ? 0 : 1;
}
