#include "recording/files/lame_enc_library.h"

#include "common/ports/app_folder.h"

#include <windows.h>

namespace {

template <class Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

std::optional<BladeEncTable> LoadBladeEncLibrary(const std::wstring& path) {
    // Never freed: a recording in progress may still be running its code,
    // and the next recording would load it again anyway. The altered search
    // lets the library find its own companions beside it.
    HMODULE library = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library) return std::nullopt;
    BladeEncTable table;
    table.initStream = Resolve<BeInitStreamFn>(library, "beInitStream");
    table.encodeChunk = Resolve<BeEncodeChunkFn>(library, "beEncodeChunk");
    table.deinitStream = Resolve<BeDeinitStreamFn>(library, "beDeinitStream");
    table.closeStream = Resolve<BeCloseStreamFn>(library, "beCloseStream");
    table.version = Resolve<BeVersionFn>(library, "beVersion");
    table.writeVbrHeader = Resolve<BeWriteVbrHeaderFn>(library, "beWriteVBRHeader");
    table.writeInfoTag = Resolve<BeWriteInfoTagFn>(library, "beWriteInfoTag");
    return table;
}

// A bare name would go through the DLL search order, where a lame_enc.dll in
// the current folder or on PATH could be loaded into the player instead.
BladeEncLoader LameEncLoader(std::wstring name) {
    return [name = std::move(name)] { return LoadBladeEncLibrary(GetAppFolder() + name); };
}
