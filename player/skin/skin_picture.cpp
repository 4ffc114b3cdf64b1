#include "skin/skin_picture.h"

#include "common/helpers/com_ptr.h"
#include "common/window/gdi_object.h"
#include "skin/picture_pixels.h"
#include "skin/picture_scaling.h"

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

// WIC needs COM on the thread; the player's own thread has it already, and
// then this only counts up and down.
class ComOnThread {
public:
    ComOnThread() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComOnThread() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComOnThread(const ComOnThread&) = delete;
    ComOnThread& operator=(const ComOnThread&) = delete;

private:
    HRESULT result_;
};

std::optional<PixelGrid> DecodePng(const void* data, DWORD size) {
    ComOnThread com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.PutVoid())) ||
        FAILED(factory->CreateStream(stream.Put())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Put())) ||
        FAILED(decoder->GetFrame(0, frame.Put())) ||
        FAILED(factory->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return std::nullopt;
    }
    PixelGrid grid{static_cast<int>(width), static_cast<int>(height),
                   std::vector<std::uint32_t>(static_cast<size_t>(width) * height)};
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(grid.pixels.data()))))
        return std::nullopt;
    // Blue, green, red, unused in memory: 0x00RRGGBB; the grid holds COLORREFs.
    for (auto& pixel : grid.pixels)
        pixel = (pixel & 0xFF) << 16 | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
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
