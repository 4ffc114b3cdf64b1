#include "skin/skin_picture.h"

#include "common/helpers/com_initialisation.h"
#include "common/helpers/com_ptr.h"
#include "common/window/gdi_object.h"
#include "skin/picture_pixels.h"
#include "skin/picture_scaling.h"

#include <shlwapi.h>
#include <wincodec.h>

#include <optional>
#include <string>

namespace {

HMODULE SkinModule() { return GetModuleHandleW(nullptr); }

HBITMAP LoadDrawnBitmap(UINT resourceId) {
    return static_cast<HBITMAP>(LoadImageW(SkinModule(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP,
                                           0, 0, LR_DEFAULTCOLOR));
}

// The size the skin was drawn at, from the 100% bitmap's header, without
// decoding it.
std::optional<SIZE> DrawnSize(UINT resourceId) {
    HRSRC found = FindResourceW(SkinModule(), MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    if (!found || SizeofResource(SkinModule(), found) < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(SkinModule(), found)));
    if (!header) return std::nullopt;
    return SIZE{header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight};
}

// render_skin.py writes 24-bit RGB PNGs, which WIC's PNG decoder hands out
// as blue, green, red. The decoder is made directly rather than through the
// imaging factory, whose search of every registered codec costs more than
// the decoding under Wine.
std::optional<PixelGrid> DecodePng(const void* data, DWORD size) {
    ComInitialisation com;  // the decoder is a COM object
    ComPtr<IStream> stream;
    *stream.Put() = SHCreateMemStream(static_cast<const BYTE*>(data), size);
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    WICPixelFormatGUID format{};
    UINT width = 0, height = 0;
    if (!stream ||
        FAILED(CoCreateInstance(CLSID_WICPngDecoder, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICBitmapDecoder, decoder.PutVoid())) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.Put())) || FAILED(frame->GetPixelFormat(&format)) ||
        format != GUID_WICPixelFormat24bppBGR || FAILED(frame->GetSize(&width, &height))) {
        return std::nullopt;
    }
    const UINT stride = (width * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
    if (FAILED(frame->CopyPixels(nullptr, stride, static_cast<UINT>(rows.size()), rows.data())))
        return std::nullopt;
    PixelGrid grid{static_cast<int>(width), static_cast<int>(height), {}};
    grid.pixels.reserve(static_cast<size_t>(width) * height);
    for (UINT y = 0; y < height; ++y) {
        const BYTE* pixel = rows.data() + static_cast<size_t>(y) * stride;
        for (UINT x = 0; x < width; ++x, pixel += 3)
            grid.pixels.push_back(RGB(pixel[2], pixel[1], pixel[0]));
    }
    return grid;
}

std::optional<PixelGrid> ReadDrawing(UINT resourceId, int percent) {
    if (percent == 100) {
        ScopedBitmap drawn(LoadDrawnBitmap(resourceId));
        return drawn ? ReadPixels(drawn.Get()) : std::nullopt;
    }
    const std::wstring type = L"SKIN" + std::to_wstring(percent);
    HRSRC found = FindResourceW(SkinModule(), MAKEINTRESOURCEW(resourceId), type.c_str());
    const void* data = found ? LockResource(LoadResource(SkinModule(), found)) : nullptr;
    if (!data) return std::nullopt;
    return DecodePng(data, SizeofResource(SkinModule(), found));
}

}  // namespace

HBITMAP LoadSkinBitmap(UINT resourceId, const DisplayScale& scale) {
    if (scale.IsBase()) return LoadDrawnBitmap(resourceId);
    const std::optional<SIZE> drawn = DrawnSize(resourceId);
    std::optional<PixelGrid> picture = ReadDrawing(resourceId, ChooseSkinPercent(scale));
    if (!drawn || !picture) return nullptr;
    const int width = scale.Scale(drawn->cx);
    const int height = scale.Scale(drawn->cy);
    if (picture->width != width || picture->height != height)
        picture = ScalePicture(*picture, width, height);
    return MakeBitmap(*picture);
}
