#include "favorites/favorites_file.h"
#include "tests/favorites/favorites_sample.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <string>

namespace {

std::vector<std::wstring> Names(const FavoritesList& list) {
    std::vector<std::wstring> names;
    for (const auto& entry : list.Entries()) names.push_back(entry.name);
    return names;
}

std::string Station(const char* name, const char* homepage = "") {
    return std::string("<station name=\"") + name + "\"><homepage>" + homepage +
           "</homepage><streamlink/><banner/></station>";
}

FavoritesList LoadText(const std::string& xml, bool expectedResult) {
    const std::wstring path = ScratchFile(L"favorites-load.xml");
    WriteBytes(path, xml);
    FavoritesList list;
    EXPECT_EQ(LoadFavorites(path, list), expectedResult);
    return list;
}

TEST(FavoritesFile, SavedFavoritesLoadBackTheSame) {
    const std::wstring path = ScratchFile(L"favorites-round-trip.xml");
    FavoritesList sample = FavoritesSample();
    sample.ToggleChecked(0);
    ASSERT_TRUE(SaveFavorites(path, sample));
    FavoritesList loaded;
    EXPECT_TRUE(LoadFavorites(path, loaded));
    ExpectFavoritesSample(loaded);
}

TEST(FavoritesFile, EachStationHasItsNameAndThreeChildrenInOrder) {
    const std::wstring path = ScratchFile(L"favorites-layout.xml");
    ASSERT_TRUE(SaveFavorites(path, FavoritesSample()));

    pugi::xml_document saved;
    ASSERT_TRUE(saved.load_file(path.c_str()));
    const pugi::xml_node root = saved.document_element();
    EXPECT_STREQ(root.name(), "root");
    std::vector<std::string> stations;
    for (const auto& station : root.children()) {
        std::string layout = station.name();
        for (const auto& attribute : station.attributes())
            layout += std::string(" @") + attribute.name();
        for (const auto& child : station.children()) layout += std::string(" ") + child.name();
        stations.push_back(layout);
    }
    const std::string expected = "station @name homepage streamlink banner";
    EXPECT_EQ(stations, (std::vector<std::string>{expected, expected, expected}));

    ASSERT_TRUE(SaveFavorites(path, FavoritesList()));
    ASSERT_TRUE(saved.load_file(path.c_str()));
    EXPECT_STREQ(saved.document_element().name(), "root");
    EXPECT_TRUE(saved.document_element().first_child().empty());
}

TEST(FavoritesFile, TheUsersOrderSurvivesLoadSaveCycles) {
    const std::wstring path = ScratchFile(L"favorites-cycles.xml");
    WriteBytes(path, "<root>" + Station("first") + Station("second") + Station("third") +
                         "</root>");
    std::string previousFile;
    for (int run = 0; run < 3; ++run) {
        FavoritesList list;
        ASSERT_TRUE(LoadFavorites(path, list));
        EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"first", L"second", L"third"}));
        ASSERT_TRUE(SaveFavorites(path, list));
        const std::string saved = ReadBytes(path);
        if (run > 0) {
            EXPECT_EQ(saved, previousFile);
        }
        previousFile = saved;
    }
}

TEST(FavoritesFile, ADuplicateNameKeepsTheFirstValuesAtTheFirstPlace) {
    const FavoritesList list =
        LoadText("<root>" + Station("Jazz", "http://first/") + Station("Rock") +
                     Station("Jazz", "http://second/") + "</root>",
                 true);
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{L"Jazz", L"Rock"}));
    EXPECT_EQ(list.Entries()[0].homepage, L"http://first/");
}

TEST(FavoritesFile, AnIncompleteStationEndsLoading) {
    const FavoritesList missingChild = LoadText(
        "<root>" + Station("Kept") +
            "<station name=\"Broken\"><homepage/><streamlink/></station>" + Station("Lost") +
            "</root>",
        false);
    EXPECT_EQ(Names(missingChild), (std::vector<std::wstring>{L"Kept"}));

    const FavoritesList missingName = LoadText(
        "<root>" + Station("Kept") + "<station><homepage/><streamlink/><banner/></station>" +
            "</root>",
        false);
    EXPECT_EQ(Names(missingName), (std::vector<std::wstring>{L"Kept"}));
}

TEST(FavoritesFile, MissingOrMalformedFilesGiveAnEmptyList) {
    FavoritesList list;
    EXPECT_FALSE(LoadFavorites(ScratchFile(L"favorites-never-written.xml"), list));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_TRUE(LoadText("<root>" + Station("Unclosed"), false).Entries().empty());
    EXPECT_TRUE(LoadText("<root></root>", true).Entries().empty());
}

// A favourites file that cannot be read is kept as it was under another name,
// never replaced by what could be read of it (nor by an empty list).
TEST(FavoritesFile, AnUnreadableFileIsSetAsideAndNeverOverwritten) {
    const std::wstring path = ScratchFile(L"favorites-unreadable.xml");
    const std::string broken = "<root>" + Station("Kept") + Station("Lost", "http://l/");
    WriteBytes(path, broken);
    FavoritesList list;
    EXPECT_TRUE(LoadFavoritesSettingAsideBroken(path, list));
    EXPECT_EQ(Names(list), (std::vector<std::wstring>{}));
    EXPECT_EQ(ReadBytes(SetAsideName(path)), broken);

    // Saving what is left starts afresh and leaves the set-aside copy be.
    list.AddFavorite({L"New", L"", L"", L""});
    ASSERT_TRUE(SaveFavorites(path, list));
    EXPECT_EQ(ReadBytes(SetAsideName(path)), broken);
    FavoritesList reloaded;
    EXPECT_TRUE(LoadFavoritesSettingAsideBroken(path, reloaded));
    EXPECT_EQ(Names(reloaded), (std::vector<std::wstring>{L"New"}));
    EXPECT_EQ(ReadBytes(SetAsideName(path)), broken);
}

// Neither a first run nor the empty file setup makes holds anything to keep.
TEST(FavoritesFile, AMissingOrEmptyFileIsNoBrokenOne) {
    const std::wstring path = ScratchFile(L"favorites-first-run.xml");
    FavoritesList list;
    EXPECT_TRUE(LoadFavoritesSettingAsideBroken(path, list));
    WriteBytes(path, "");
    EXPECT_TRUE(LoadFavoritesSettingAsideBroken(path, list));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_FALSE(std::filesystem::exists(SetAsideName(path)));
}

// The list is written in the "Saving" folder and then takes the file's
// place: no half file is ever under the favourites' name, and no written
// copy stays behind.
TEST(FavoritesFile, ASaveReplacesTheFileInOneStep) {
    const std::wstring path = ScratchFile(L"favorites-replaced.xml");
    WriteBytes(path, "<root>" + Station("Old") + "</root>");
    ASSERT_TRUE(SaveFavorites(path, FavoritesSample()));
    EXPECT_FALSE(std::filesystem::exists(ReplacementName(path)));
    FavoritesList loaded;
    EXPECT_TRUE(LoadFavorites(path, loaded));
    ExpectFavoritesSample(loaded);

    // A save that cannot write its copy leaves the old file whole.
    std::filesystem::create_directory(ReplacementName(path));
    EXPECT_FALSE(SaveFavorites(path, FavoritesList{}));
    FavoritesList kept;
    EXPECT_TRUE(LoadFavorites(path, kept));
    ExpectFavoritesSample(kept);
}

// Where the program folder refuses the move, the new list waits in the
// "Saving" folder while it is copied into the file. A crash during that copy
// leaves a part of the file; the next load copies the waiting list again.
TEST(FavoritesFile, ACopyCutShortIsFinishedAtTheNextLoad) {
    const std::wstring path = ScratchFile(L"favorites-cut-short.xml");
    const std::wstring saved = ScratchFile(L"favorites-whole.xml");
    ASSERT_TRUE(SaveFavorites(saved, FavoritesSample()));
    const std::string whole = ReadBytes(saved);
    MakeSavingFolder(path);
    WriteBytes(WaitingName(path), whole);
    WriteBytes(path, whole.substr(0, whole.size() / 2));

    FavoritesList loaded;
    EXPECT_TRUE(LoadFavoritesSettingAsideBroken(path, loaded));
    ExpectFavoritesSample(loaded);
    EXPECT_EQ(ReadBytes(path), whole);
    EXPECT_FALSE(std::filesystem::exists(WaitingName(path)));
    EXPECT_FALSE(std::filesystem::exists(SetAsideName(path)));
}

TEST(FavoritesFile, FavoritesSavedByMsxmlLoad) {
    FavoritesList list;
    EXPECT_TRUE(
        LoadFavorites((std::filesystem::path(FIXTURE_FOLDER) / "favorites_by_msxml.xml").wstring(),
                      list));
    ExpectFavoritesSample(list);
}

// The Windows tests load this copy as the host build's favourites file.
TEST(FavoritesFile, TheCommittedPugixmlCopyIsWhatTheWriterSavesToday) {
    const std::wstring path = ScratchFile(L"favorites-fixture.xml");
    ASSERT_TRUE(SaveFavorites(path, FavoritesSample()));
    EXPECT_EQ(ReadBytes(path),
              ReadBytes(std::filesystem::path(FIXTURE_FOLDER) / "favorites_by_pugixml.xml"))
        << "the writer changed; save FavoritesSample() again into "
           "fixtures/favorites_by_pugixml.xml";
}

}  // namespace
