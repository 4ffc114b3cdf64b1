// The links field: the two built-in commands, then the entries of links.xml.

#include "directory/links_list.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> TitlesOf(const LinksList& links) {
    std::vector<std::wstring> titles;
    for (const auto& entry : links.entries) titles.push_back(entry.title);
    return titles;
}

TEST(LinksList, StartsWithTheBuiltInCommands) {
    const LinksList links;
    ASSERT_EQ(links.entries.size(), 2u);
    EXPECT_EQ(links.entries[0].title, L"Ticker");
    EXPECT_EQ(links.entries[0].target, L"::Ticker::");
    EXPECT_EQ(links.entries[1].title, L"Update");
    EXPECT_EQ(links.entries[1].target, L"::Update::");
    EXPECT_EQ(links.current, 0u);
}

TEST(LinksList, EachReloadHoldsTheBuiltInsThenExactlyTheFilesEntries) {
    const std::wstring path = ScratchFile(L"links-reload.xml");
    WriteBytes(path,
               "<root><link name=\"Favorites\">::Favorites::</link>"
               "<link name=\"Home\">http://radio.example/</link></root>");
    LinksList links;
    links.current = 3;
    ASSERT_TRUE(LoadLinks(links, path));
    ASSERT_TRUE(LoadLinks(links, path));
    EXPECT_EQ(TitlesOf(links),
              (std::vector<std::wstring>{L"Ticker", L"Update", L"Favorites", L"Home"}));
    EXPECT_EQ(links.entries[3].target, L"http://radio.example/");
    EXPECT_EQ(links.current, 0u);

    WriteBytes(path, "<root><link name=\"Info\">::Info::</link></root>");
    ASSERT_TRUE(LoadLinks(links, path));
    EXPECT_EQ(TitlesOf(links), (std::vector<std::wstring>{L"Ticker", L"Update", L"Info"}));
}

TEST(LinksList, AFileThatDoesNotLoadLeavesTheListAsItWas) {
    const std::wstring path = ScratchFile(L"links-broken.xml");
    WriteBytes(path, "<root><link name=\"Home\">http://radio.example/</link></root>");
    LinksList links;
    ASSERT_TRUE(LoadLinks(links, path));
    links.current = 2;
    WriteBytes(path, "<html>404 Not Found");
    EXPECT_FALSE(LoadLinks(links, path));
    EXPECT_FALSE(LoadLinks(links, ScratchFile(L"links-absent.xml")));
    EXPECT_EQ(TitlesOf(links), (std::vector<std::wstring>{L"Ticker", L"Update", L"Home"}));
    EXPECT_EQ(links.current, 2u);
}

TEST(LinksList, ALinkWithoutATitleStopsTheReadingKeepingEarlierEntries) {
    const std::wstring path = ScratchFile(L"links-untitled.xml");
    WriteBytes(path,
               "<root><link name=\"One\">http://one/</link><link>http://two/</link>"
               "<link name=\"Three\">http://three/</link></root>");
    LinksList links;
    links.current = 1;
    EXPECT_FALSE(LoadLinks(links, path));
    EXPECT_EQ(TitlesOf(links), (std::vector<std::wstring>{L"Ticker", L"Update", L"One"}));
    EXPECT_EQ(links.current, 1u);
}

TEST(LinksList, AShorterPartialFileKeepsTheFieldOnAnEntryThatExists) {
    const std::wstring path = ScratchFile(L"links-shrunk.xml");
    WriteBytes(path,
               "<root><link name=\"One\">http://one/</link><link name=\"Two\">http://two/</link>"
               "<link name=\"Three\">http://three/</link></root>");
    LinksList links;
    ASSERT_TRUE(LoadLinks(links, path));
    links.current = 4;
    WriteBytes(path, "<root><link name=\"One\">http://one/</link><link>http://two/</link></root>");
    EXPECT_FALSE(LoadLinks(links, path));
    ASSERT_EQ(TitlesOf(links), (std::vector<std::wstring>{L"Ticker", L"Update", L"One"}));
    EXPECT_EQ(links.current, 0u);
}

}  // namespace
