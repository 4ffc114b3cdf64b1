// The exported entry points of Marquel.dll and its one class.

#include "common/com/class_factory.h"
#include "common/com/com_module.h"
#include "common/com/com_registration.h"
#include "common/helpers/contained_call.h"
#include "common/helpers/scoped_handle.h"
#include "ticker/marquel_resource.h"
#include "ticker/ticker_ctrl.h"
#include "ticker/ticker_paths.h"

#include <windows.h>

namespace {

const ComClass kClasses[] = {
    {&CLSID_TickerCtrl, TickerCtrl::Create, Aggregation::Allowed},
};

// The module's full path; empty when it does not fit.
std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(path, length);
}

// The player's log file is left empty beside it: it marks that the ticker
// has run in the player.
void CreateEmptyLogFile(HINSTANCE library) {
    const std::wstring program = ModulePath(nullptr);
    if (!IsPlayerBesideLibrary(program, ModulePath(library))) return;
    const std::wstring log = WithExtension(program, L".log");
    ScopedHandle file(CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        ComModule::Attach(instance);
        // The log is a courtesy: a failure to build its name must not fail
        // or crash the library's loading.
        RanContained([instance] { CreateEmptyLogFile(instance); });
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ComModule::CanUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** result) {
    return GetClassObject(kClasses, clsid, riid, result);
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() { return RegisterComServer(IDR_TICKERCTRL); }

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return UnregisterComServer(IDR_TICKERCTRL);
}
