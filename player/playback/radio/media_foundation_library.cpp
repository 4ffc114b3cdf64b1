#include "playback/radio/media_foundation_library.h"

#include <optional>

namespace {

template <typename Function>
bool Find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

std::optional<MediaFoundationLibrary> Load() {
    // Only the system's own copy: never one that lies beside the player.
    const HMODULE module = LoadLibraryExW(L"mfplat.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return std::nullopt;
    MediaFoundationLibrary library;
    if (Find(module, "MFStartup", library.startup) &&
        Find(module, "MFShutdown", library.shutdown) &&
        Find(module, "MFCreateMediaType", library.createMediaType) &&
        Find(module, "MFCreateSample", library.createSample) &&
        Find(module, "MFCreateMemoryBuffer", library.createMemoryBuffer)) {
        return library;
    }
    FreeLibrary(module);
    return std::nullopt;
}

}  // namespace

const MediaFoundationLibrary* LoadMediaFoundation() {
    // Thread-safe on first use: sessions of two stations may overlap.
    static const std::optional<MediaFoundationLibrary> library = Load();
    return library ? &*library : nullptr;
}
