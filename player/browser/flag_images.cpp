#include "browser/flag_images.h"

#include "skin/picture_pixels.h"
#include "skin/picture_scaling.h"

#include <optional>

namespace {

// A device-independent bitmap of the file's own size.
HBITMAP LoadFlag(const std::wstring& path) {
    if (path.empty()) return nullptr;
    return static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// Flags have no key colour: every pixel is part of the picture.
HBITMAP ScaleFlag(ScopedBitmap flag, const DisplayScale& scale) {
    if (!flag || scale.IsBase()) return flag.Release();
    const std::optional<PixelGrid> drawn = ReadPixels(flag.Get());
    if (!drawn) return nullptr;
    return MakeBitmap(
        ScalePicture(*drawn, scale.Scale(drawn->width), scale.Scale(drawn->height), {}));
}

}  // namespace

HBITMAP FlagImages::Get(const std::wstring& path, const DisplayScale& scale) {
    if (scale != scale_) {
        Forget();
        scale_ = scale;
    }
    auto found = images_.find(path);
    if (found == images_.end()) {
        found = images_.emplace(path, ScopedBitmap(ScaleFlag(ScopedBitmap(LoadFlag(path)), scale)))
                    .first;
    }
    return found->second.Get();
}
