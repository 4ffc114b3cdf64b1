#include "skin/skin_decoder_preload.h"

#include <system_error>

SkinDecoderPreload::SkinDecoderPreload(const DisplayScale& scale) {
    if (scale.IsBase()) return;
    try {
        thread_ = std::thread([this] { library_ = LoadLibraryW(L"windowscodecs.dll"); });
    } catch (const std::system_error&) {
        // Without a thread the first picture loads the library itself.
    }
}

SkinDecoderPreload::~SkinDecoderPreload() {
    if (thread_.joinable()) thread_.join();
    if (library_) FreeLibrary(library_);
}
