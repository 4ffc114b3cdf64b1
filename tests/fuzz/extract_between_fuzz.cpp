// A station's now-playing page and the two markers from the directory, all
// three from the network.

#include "directory/now_playing.h"
#include "tests/fuzz/fuzz_input.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::wstring tfirst = AnsiToWide(input.ConsumeRandomLengthString(64));
    const std::wstring tsecond = AnsiToWide(input.ConsumeRandomLengthString(64));
    const std::wstring page = AnsiToWide(input.ConsumeRemainingBytesAsString());
    ExtractBetween(page, tfirst, tsecond);
    return 0;
}
