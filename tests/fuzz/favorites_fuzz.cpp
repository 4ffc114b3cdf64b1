// favorites.xml, which the user may have edited by hand.

#include "favorites/favorites_file.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("favorites.xml");
    FavoritesList favorites;
    LoadFavorites(file.Write(data, size), favorites);
    return 0;
}
