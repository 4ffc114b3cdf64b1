// A radio stream with metadata blocks woven in, cut into reads anywhere: the
// demuxer never hands out more bytes than it was fed, and no block longer
// than its length byte allows.

#include "playback/radio/icy_demuxer.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte sets the interval (0: no metadata), the second the read size.
    const std::size_t interval = data[0];
    const std::size_t readSize = 1 + data[1];
    std::string_view stream = BytesOf(data + 2, size - 2);
    const std::size_t fed = stream.size();
    IcyDemuxer demuxer(interval);
    std::size_t audio = 0, metadata = 0;
    while (!stream.empty()) {
        const std::string_view read = stream.substr(0, readSize);
        stream.remove_prefix(read.size());
        demuxer.Feed(
            read, [&](std::string_view bytes) { audio += bytes.size(); },
            [&](std::string_view block) {
                Require(!block.empty() && block.size() <= 255 * 16);
                metadata += block.size();
            });
    }
    Require(audio + metadata <= fed);
    if (interval == 0) Require(audio == fed && metadata == 0);
    return 0;
}
