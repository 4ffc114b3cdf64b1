// The raw response headers of the ticker's feed download.

#include "feed_response.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view headers = BytesOf(data, size);
    IsCompleteFeed(headers, true, 100);
    IsCompleteFeed(headers, false, 0);
    return 0;
}
