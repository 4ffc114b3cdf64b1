#include "com_module.h"

namespace {

HINSTANCE moduleInstance = nullptr;
// Objects may live on several apartments' threads, so the count is changed
// only with interlocked operations.
LONG volatile moduleReferences = 0;

}  // namespace

void ComModule::Attach(HINSTANCE instance) { moduleInstance = instance; }

HINSTANCE ComModule::Instance() { return moduleInstance; }

std::wstring ComModule::Path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(moduleInstance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"";
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void ComModule::AddRef() { InterlockedIncrement(&moduleReferences); }

void ComModule::Release() { InterlockedDecrement(&moduleReferences); }

bool ComModule::CanUnload() { return InterlockedCompareExchange(&moduleReferences, 0, 0) == 0; }
