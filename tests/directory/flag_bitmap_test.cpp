// What passes for a flag: the headers of a downloaded bitmap must agree with
// each other and with the bytes that came.

#include "directory/flag_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

void PutLittle(std::string& bytes, std::size_t at, std::int64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bottom-up bitmap as a site sends it, its pixels all there.
std::string Bitmap(std::int64_t width, std::int64_t height, int bits = 24) {
    const std::int64_t rows = height < 0 ? -height : height;
    const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    std::string bytes(54 + static_cast<std::size_t>(rowBytes * rows), '\x40');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle(bytes, 2, static_cast<std::int64_t>(bytes.size()), 4);
    PutLittle(bytes, 6, 0, 4);
    PutLittle(bytes, 10, 54, 4);
    PutLittle(bytes, 14, 40, 4);
    PutLittle(bytes, 18, width, 4);
    PutLittle(bytes, 22, height, 4);
    PutLittle(bytes, 26, 1, 2);
    PutLittle(bytes, 28, bits, 2);
    PutLittle(bytes, 30, 0, 4);
    return bytes;
}

TEST(FlagBitmap, PlainSmallBitmapsPass) {
    EXPECT_TRUE(IsFlagBitmap(Bitmap(23, 18)));
    EXPECT_TRUE(IsFlagBitmap(Bitmap(23, -18)));  // top-down
    EXPECT_TRUE(IsFlagBitmap(Bitmap(1, 1, 1)));
    EXPECT_TRUE(IsFlagBitmap(Bitmap(kMaxFlagSide, kMaxFlagSide, 32)));
}

TEST(FlagBitmap, PagesAndLyingHeadersAreRefused) {
    EXPECT_FALSE(IsFlagBitmap(""));
    EXPECT_FALSE(IsFlagBitmap("<html><body>Sign in</body></html>"));
    EXPECT_FALSE(IsFlagBitmap("BM<html><body>Sign in to the network, please</body></html>"));
    const std::string good = Bitmap(23, 18);
    EXPECT_FALSE(IsFlagBitmap(good.substr(0, good.size() - 1)));  // pixels cut short
    for (const auto& [at, value, size] :
         {std::tuple{18u, 0ll, 4u}, std::tuple{18u, -23ll, 4u},         // width
          std::tuple{22u, 0ll, 4u}, std::tuple{22u, -2147483648ll, 4u},  // height
          std::tuple{18u, kMaxFlagSide + 1ll, 4u}, std::tuple{26u, 2ll, 2u},  // planes
          std::tuple{28u, 7ll, 2u}, std::tuple{30u, 1ll, 4u},             // depth, RLE
          std::tuple{14u, 41ll, 4u}, std::tuple{10u, 20ll, 4u},           // header sizes
          std::tuple{10u, 0xFFFFFFFFll, 4u}}) {
        std::string lying = good;
        PutLittle(lying, at, value, size);
        EXPECT_FALSE(IsFlagBitmap(lying)) << "byte " << at << " = " << value;
    }
    // Big pictures are no flags, whatever their headers say.
    EXPECT_FALSE(IsFlagBitmap(Bitmap(kMaxFlagSide, kMaxFlagSide + 1)));
    std::string padded = good;
    padded.resize(kMaxFlagBytes + 1, '\0');
    EXPECT_FALSE(IsFlagBitmap(padded));
}

}  // namespace
