// Stream bytes cut into reads anywhere: the frame splitter hands back only
// whole frames that start with the header it reports, and never more bytes
// than it was fed.

#include "playback/radio/mp3_frame.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t readSize = 1 + data[0] * 8;
    std::string_view stream = BytesOf(data + 1, size - 1);
    LooksLikeMp3(stream);
    const std::size_t fed = stream.size();
    Mp3FrameSplitter splitter;
    std::size_t handedOut = 0;
    while (!stream.empty()) {
        const std::string_view read = stream.substr(0, readSize);
        stream.remove_prefix(read.size());
        splitter.Add(read);
        Mp3FrameHeader header;
        while (const auto frame = splitter.NextFrame(header)) {
            Require(frame->size() == header.length);
            const auto own = ReadMp3FrameHeader(*frame);
            Require(own && own->length == header.length && own->format == header.format);
            handedOut += frame->size();
        }
    }
    Require(handedOut <= fed);
    return 0;
}
