// favorites.xml through MSXML: what it saves loads back the same, favourites
// saved by the host build (pugixml) load, and the copy the host tests load
// is what MSXML saves.

#include "common/ports/app_folder.h"
#include "favorites/favorites_file.h"
#include "tests/favorites/favorites_sample.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

namespace {

TEST(FavoritesMsxml, SavedFavoritesLoadBack) {
    const std::wstring path = ScratchFile(L"favorites-msxml.xml");
    ASSERT_TRUE(SaveFavorites(path, FavoritesSample()));
    FavoritesList loaded;
    EXPECT_TRUE(LoadFavorites(path, loaded));
    ExpectFavoritesSample(loaded);

    ASSERT_TRUE(SaveFavorites(path, FavoritesList()));
    FavoritesList empty;
    EXPECT_TRUE(LoadFavorites(path, empty));
    EXPECT_TRUE(empty.Entries().empty());
}

TEST(FavoritesMsxml, FavoritesSavedByPugixmlLoad) {
    FavoritesList list;
    EXPECT_TRUE(LoadFavorites(GetAppFolder() + L"fixtures\\favorites_by_pugixml.xml", list));
    ExpectFavoritesSample(list);
}

// The host tests load this copy as MSXML's favourites file.
TEST(FavoritesMsxml, TheCommittedMsxmlCopyIsWhatTheWriterSavesToday) {
    const std::wstring path = ScratchFile(L"favorites-fixture.xml");
    ASSERT_TRUE(SaveFavorites(path, FavoritesSample()));
    EXPECT_EQ(ReadBytes(path), ReadBytes(GetAppFolder() + L"fixtures\\favorites_by_msxml.xml"))
        << "the writer changed; save FavoritesSample() again into fixtures/favorites_by_msxml.xml";
}

}  // namespace
