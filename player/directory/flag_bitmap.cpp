#include "directory/flag_bitmap.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header, 16-bit sizes

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct BitmapShape {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for a top-down picture
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
};

// The picture's shape from its info header, which starts after the file
// header and has been checked to be within the bytes.
BitmapShape ShapeOf(std::string_view bytes, std::uint32_t infoSize) {
    constexpr std::size_t at = kFileHeaderSize + 4;
    if (infoSize == kCoreHeaderSize)
        return {Little(bytes, at, 2), Little(bytes, at + 2, 2), Little(bytes, at + 4, 2),
                Little(bytes, at + 6, 2), 0};
    return {static_cast<std::int32_t>(Little(bytes, at, 4)),
            static_cast<std::int32_t>(Little(bytes, at + 4, 4)), Little(bytes, at + 8, 2),
            Little(bytes, at + 10, 2), Little(bytes, at + 12, 4)};
}

bool IsKnownInfoSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

bool IsPlainDepth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool IsFlagBitmap(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes.size() > kMaxFlagBytes ||
        !bytes.starts_with("BM"))
        return false;
    const std::uint32_t pixelsAt = Little(bytes, 10, 4);
    const std::uint32_t infoSize = Little(bytes, kFileHeaderSize, 4);
    if (!IsKnownInfoSize(infoSize) || kFileHeaderSize + infoSize > bytes.size()) return false;
    const BitmapShape shape = ShapeOf(bytes, infoSize);
    const std::int64_t rows = std::llabs(shape.height);
    // Uncompressed rows, or 16/32-bit ones with colour masks.
    if (shape.planes != 1 || !IsPlainDepth(shape.bitsPerPixel) ||
        (shape.compression != 0 && shape.compression != 3) || shape.width < 1 ||
        shape.width > kMaxFlagSide || rows < 1 || rows > kMaxFlagSide)
        return false;
    const std::int64_t rowBytes = (shape.width * shape.bitsPerPixel + 31) / 32 * 4;
    return pixelsAt >= kFileHeaderSize + infoSize &&
           static_cast<std::int64_t>(pixelsAt) + rowBytes * rows <=
               static_cast<std::int64_t>(bytes.size());
}
