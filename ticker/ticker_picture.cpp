#include "ticker/ticker_picture.h"

#include "common/com/com_module.h"
#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "ticker/marquel_resource.h"

#include <optional>

namespace {

struct Drawings {
    int at100;
    int at150;
    int at200;
};

constexpr Drawings kDrawings[] = {
    {IDB_READ_MORE, IDB_READ_MORE_150, IDB_READ_MORE_200},
    {IDB_SPEED, IDB_SPEED_150, IDB_SPEED_200},
    {IDB_CLOSE, IDB_CLOSE_150, IDB_CLOSE_200},
};

int DrawingAt(int pictureId, int percent) {
    for (const Drawings& drawings : kDrawings) {
        if (drawings.at100 != pictureId) continue;
        return percent == 200 ? drawings.at200 : percent == 150 ? drawings.at150 : drawings.at100;
    }
    return pictureId;
}

HBITMAP LoadDrawing(int resourceId) {
    return static_cast<HBITMAP>(LoadImageA(ComModule::Instance(), MAKEINTRESOURCEA(resourceId),
                                           IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
}

std::optional<SIZE> SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return std::nullopt;
    return SIZE{info.bmWidth, info.bmHeight};
}

// GDI's halftone stretch averages the pixels each new pixel covers.
HBITMAP Shrink(HBITMAP drawing, SIZE from, SIZE to) {
    ClientDC screen(nullptr);
    ScopedBitmap shrunk(CreateCompatibleBitmap(screen, to.cx, to.cy));
    if (!shrunk) return nullptr;
    MemoryDC source(screen), target(screen);
    SelectedObject sourcePicture(source, drawing), targetPicture(target, shrunk.Get());
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, to.cx, to.cy, source, 0, 0, from.cx, from.cy, SRCCOPY);
    return shrunk.Release();
}

}  // namespace

HBITMAP LoadTickerPicture(int pictureId, const DisplayScale& scale) {
    const int percent = ChooseSkinPercent(scale);
    ScopedBitmap drawing(LoadDrawing(DrawingAt(pictureId, percent)));
    if (percent * DisplayScale::kBaseDpi == scale.Dpi() * 100) return drawing.Release();
    ScopedBitmap original(LoadDrawing(pictureId));
    const std::optional<SIZE> from = SizeOf(drawing.Get());
    const std::optional<SIZE> at100 = SizeOf(original.Get());
    if (!from || !at100) return nullptr;
    return Shrink(drawing.Get(), *from, {scale.Scale(at100->cx), scale.Scale(at100->cy)});
}
