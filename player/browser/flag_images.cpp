#include "browser/flag_images.h"

HBITMAP FlagImages::Get(const std::wstring& path) {
    auto found = images_.find(path);
    if (found == images_.end()) {
        // A device-independent bitmap of the file's own size.
        const HANDLE image = path.empty() ? nullptr
                                          : LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                       LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        found = images_.emplace(path, ScopedBitmap(static_cast<HBITMAP>(image))).first;
    }
    return found->second.Get();
}
