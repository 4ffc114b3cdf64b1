// The answer heads the radio engine reads from a station's server, and from
// the stream's own bytes when WinInet passes an answer through as body.

#include "playback/radio/stream_answer.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = BytesOf(data, size);
    const auto end = StreamAnswerHeadEnd(bytes);
    Require(!end || *end <= bytes.size());
    const auto answer = ReadStreamAnswerHead(end ? bytes.substr(0, *end) : bytes);
    if (!answer) return 0;
    Require(answer->status <= 999);
    Require(answer->metaInterval <= kMaxMetaInterval);
    KindOfStream(*answer, L"http://radio.example/live", bytes);
    PlaylistFormatOf(*answer, L"http://radio.example/live.pls");
    return 0;
}
