// A headline's link from the feed: unescaped, then judged before the shell
// may see it.

#include "fuzz_input.h"
#include "url_unescape.h"
#include "web_url.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IsWebUrl(UnescapeUrl(BytesOf(data, size)));
    return 0;
}
