// Metadata blocks from a station: the title for the status line is bounded
// and free of control characters.

#include "playback/radio/stream_title.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto title = StreamTitleOf(BytesOf(data, size));
    if (!title) return 0;
    Require(title->size() <= kMaxStreamTitleLength);
    for (wchar_t c : *title) Require(c >= 0x20 && !(c >= 0x7F && c < 0xA0));
    return 0;
}
