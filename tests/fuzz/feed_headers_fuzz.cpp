// The raw response headers of the ticker's feed download.

#include "tests/fuzz/fuzz_input.h"
#include "ticker/feed_response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view headers = BytesOf(data, size);
    IsCompleteFeed(headers, true, 100);
    IsCompleteFeed(headers, false, 0);
    return 0;
}
