// A headline's link from the feed: unescaped, then judged before the shell
// may see it.

#include "common/helpers/web_url.h"
#include "tests/fuzz/fuzz_input.h"
#include "ticker/url_unescape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IsWebUrl(UnescapeUrl(BytesOf(data, size)));
    return 0;
}
