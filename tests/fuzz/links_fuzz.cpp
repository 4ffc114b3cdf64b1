// links.xml as downloaded from the site.

#include "fuzz_input.h"
#include "links_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("links.xml");
    LinksList links;
    LoadLinks(links, file.Write(data, size));
    return 0;
}
