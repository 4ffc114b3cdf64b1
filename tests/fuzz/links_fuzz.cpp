// links.xml as downloaded from the site.

#include "directory/links_list.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("links.xml");
    LinksList links;
    LoadLinks(links, file.Write(data, size));
    return 0;
}
