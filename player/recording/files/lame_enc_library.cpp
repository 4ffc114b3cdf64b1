#include "recording/files/lame_enc_library.h"

#include <windows.h>

namespace {

template <class Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

std::optional<BladeEncTable> LoadBladeEncLibrary(const wchar_t* name) {
    // Never freed: a recording in progress may still be running its code,
    // and the next recording would load it again anyway.
    HMODULE library = LoadLibraryW(name);
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

BladeEncLoader LameEncLoader(std::wstring name) {
    return [name = std::move(name)] { return LoadBladeEncLibrary(name.c_str()); };
}
