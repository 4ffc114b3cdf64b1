// The links field: which command a target runs, and the spin's bounds.

#include "directory/link_command.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkCommand, CommandsMatchAnywhereInTheirOrderAndOnlyWebAddressesGoToTheShell) {
    EXPECT_EQ(MatchLinkCommand(L"::Ticker::"), LinkCommand::Ticker);
    EXPECT_EQ(MatchLinkCommand(L"::Update::"), LinkCommand::Update);
    EXPECT_EQ(MatchLinkCommand(L"open ::Zoeken:: now"), LinkCommand::Search);
    EXPECT_EQ(MatchLinkCommand(L"::Info::"), LinkCommand::Info);
    EXPECT_EQ(MatchLinkCommand(L"::Timer::::Favorites::"), LinkCommand::Favorites);
    EXPECT_EQ(MatchLinkCommand(L"::Update::::Ticker::"), LinkCommand::Ticker);
    EXPECT_EQ(MatchLinkCommand(L"::ticker::"), LinkCommand::Ignore);

    EXPECT_EQ(MatchLinkCommand(L"HTTPS://example.org/"), LinkCommand::OpenWebPage);
    EXPECT_EQ(MatchLinkCommand(L"http://127.0.0.1/x"), LinkCommand::OpenWebPage);
    for (const wchar_t* hostile : {L"C:\\Windows\\system32\\calc.exe", L"file:///C:/boot.ini",
                                   L"\\\\server\\share\\run.exe", L"javascript:alert(1)",
                                   L" http://leading.space/", L""}) {
        EXPECT_EQ(MatchLinkCommand(hostile), LinkCommand::Ignore) << hostile;
    }
}

TEST(LinkCommand, TheSpinStopsAtTheFirstAndTheLastEntry) {
    LinksList links;
    links.entries.push_back({L"Site", L"http://example.org/"});
    EXPECT_FALSE(StepLinks(links, -1));
    EXPECT_EQ(links.current, 0u);
    EXPECT_TRUE(StepLinks(links, 1));
    EXPECT_TRUE(StepLinks(links, 5));
    EXPECT_EQ(links.current, 2u);
    EXPECT_FALSE(StepLinks(links, 1));
    EXPECT_FALSE(StepLinks(links, 0));
    EXPECT_TRUE(StepLinks(links, -3));
    EXPECT_EQ(links.current, 1u);
}

}  // namespace
