// Plinden.dll's module plumbing: its one class and the four exports.

#include "common/com/class_factory.h"
#include "common/com/com_module.h"
#include "common/com/com_registration.h"
#include "common/ports/registry_win32.h"
#include "host/player_settings.h"
#include "toolbar/plinden_resource.h"
#include "toolbar/radio_se_helper.h"

#include <olectl.h>

namespace {

const ComClass kClasses[] = {
    {&CLSID_RadioSEHelper, RadioSEHelper::Create, Aggregation::Allowed},
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) ComModule::Attach(instance);
    return TRUE;
}

STDAPI DllCanUnloadNow() { return ComModule::CanUnload() ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** result) {
    return GetClassObject(kClasses, clsid, riid, result);
}

STDAPI DllRegisterServer() { return RegisterComServer(IDR_RADIOSEHELPER); }

STDAPI DllUnregisterServer() {
    // The player's "-pc" writes the browser's button entry; taking the
    // handler away takes the button with it. The button may never have been
    // written, or be out of this user's reach: either way removal goes on.
    try {
        Win32Registry().DeleteKeyTree(RegistryRoot::LocalMachine, kToolbarButtonKey);
    } catch (...) {
    }
    return UnregisterComServer(IDR_RADIOSEHELPER);
}
