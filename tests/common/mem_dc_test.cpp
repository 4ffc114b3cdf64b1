// The off-screen paint buffer reaches its target only when it goes, and only
// inside its rectangle.

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "common/window/mem_dc.h"

#include <gtest/gtest.h>

namespace {

TEST(CMemDC, CopiesItsRectangleToTheTargetWhenItGoes) {
    ClientDC screen(nullptr);
    MemoryDC target(screen);
    ScopedBitmap picture(CreateCompatibleBitmap(screen, 20, 20));
    SelectedObject selection(target, picture.Get());
    const RECT whole{0, 0, 20, 20};
    FillRect(target, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    const RECT inner{5, 5, 15, 15};
    {
        CMemDC buffer(target, inner);
        // Drawing uses the target's coordinates.
        FillRect(buffer, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_EQ(GetPixel(target, 10, 10), RGB(255, 255, 255));
    }
    EXPECT_EQ(GetPixel(target, 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target, 14, 14), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target, 4, 10), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target, 15, 10), RGB(255, 255, 255));
}

}  // namespace
