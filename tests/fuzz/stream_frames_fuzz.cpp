// A radio stream as the stream reader takes it, metadata woven in and cut
// into reads anywhere: every frame it gives is whole, together they are no
// more than the bytes fed, and every title it gives is a change.

#include "playback/radio/mp3_frame.h"
#include "playback/radio/stream_frames.h"
#include "playback/radio/stream_title.h"
#include "tests/fuzz/fuzz_input.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte sets the interval (0: no metadata), the second the read size.
    const std::size_t interval = data[0] * std::size_t{16};
    const std::size_t readSize = 1 + data[1];
    std::string_view stream = BytesOf(data + 2, size - 2);
    const std::size_t fed = stream.size();
    StreamFrameReader reader(interval, kMp3Frames);
    std::size_t frameBytes = 0;
    std::wstring title;
    while (!stream.empty()) {
        reader.Feed(stream.substr(0, readSize));
        stream.remove_prefix(std::min(readSize, stream.size()));
        while (auto item = reader.Next()) {
            if (item->title) {
                Require(*item->title != title && item->title->size() <= kMaxStreamTitleLength);
                title = *item->title;
                continue;
            }
            const auto header = ReadMp3FrameHeader(item->frame);
            Require(header && header->length == item->frame.size());
            frameBytes += item->frame.size();
        }
    }
    Require(frameBytes <= fed);
    return 0;
}
