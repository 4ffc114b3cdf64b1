// Stream bytes cut into reads anywhere: the frame splitter hands back only
// whole MP3 or ADTS frames, each the length its own header gives, and never
// more bytes than it was fed.

#include "playback/radio/adts_frame.h"
#include "playback/radio/mp3_frame.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t readSize = 1 + (data[0] >> 1) * 8;
    const FrameSyntax& syntax = (data[0] & 1) ? kAdtsFrames : kMp3Frames;
    std::string_view stream = BytesOf(data + 1, size - 1);
    FirstFrameRun(stream, syntax, 3);
    const std::size_t fed = stream.size();
    FrameSplitter splitter(syntax);
    std::size_t handedOut = 0;
    while (!stream.empty()) {
        const std::string_view read = stream.substr(0, readSize);
        stream.remove_prefix(read.size());
        splitter.Add(read);
        while (const auto frame = splitter.NextFrame()) {
            Require(syntax.frameLength(*frame) == frame->size());
            handedOut += frame->size();
        }
    }
    Require(handedOut <= fed);
    return 0;
}
