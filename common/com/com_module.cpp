#include "common/com/com_module.h"

#include "common/ports/app_folder.h"

namespace {

HINSTANCE moduleInstance = nullptr;
// Objects may live on several apartments' threads, so the count is changed
// only with interlocked operations.
LONG volatile moduleReferences = 0;

}  // namespace

void ComModule::Attach(HINSTANCE instance) { moduleInstance = instance; }

HINSTANCE ComModule::Instance() { return moduleInstance; }

std::wstring ComModule::Path() { return ModulePath(moduleInstance); }

void ComModule::AddRef() { InterlockedIncrement(&moduleReferences); }

void ComModule::Release() { InterlockedDecrement(&moduleReferences); }

bool ComModule::CanUnload() { return InterlockedCompareExchange(&moduleReferences, 0, 0) == 0; }
