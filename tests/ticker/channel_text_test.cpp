// The ticker line of a channel, built from the cache file by name (the host's
// SetChannel, the end of each pass) and by index (first feed, channel spin).

#include "tests/support/scratch_file.h"
#include "ticker/channel_text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Every character is 7 pixels wide, so end offsets can be counted.
class FixedWidthMeasure : public TextMeasure {
public:
    std::int32_t Width(std::string_view text) override {
        return static_cast<std::int32_t>(text.size()) * 7;
    }
};

const char kFeed[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<TICKER>"
    "<CHANNEL NAME=\"News\">"
    "<ITEM TEXT=\"Storm at sea\" LINK=\"http://site.example/a%20b.html\"/>"
    "<ITEM LINK=\"http://site.example/untitled\"/>"
    "<ITEM TEXT=\"Caf\xC3\xA9 opens\"/>"
    "</CHANNEL>"
    "<CHANNEL><ITEM TEXT=\"nameless\"/></CHANNEL>"
    "<CHANNEL NAME=\"Sport\"><ITEM TEXT=\"Goal\" LINK=\"http://site.example/goal\"/></CHANNEL>"
    "<GROUP><CHANNEL NAME=\"Nested\"/></GROUP>"
    "</TICKER>";

class ChannelTextTest : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(path_, kFeed); }
    void TearDown() override { std::filesystem::remove(std::filesystem::path(path_)); }

    ChannelSelection ByName(std::string_view name) {
        return BuildChannelByName(path_, name, measure_);
    }
    ChannelSelection ByIndex(int index) { return BuildChannelByIndex(path_, index, measure_); }

    std::wstring path_ = ScratchFile(L"ticker-feed.xml");
    FixedWidthMeasure measure_;
};

TEST_F(ChannelTextTest, ByNameKeepsTheCallersSpellingAndAShortGap) {
    const auto selection = ByName("news");
    ASSERT_TRUE(selection.channel);
    EXPECT_EQ(selection.LineToShow(), selection.channel->displayText);
    const ChannelText& news = *selection.channel;
    EXPECT_EQ(news.index, 0);
    EXPECT_EQ(news.name, "news");
    EXPECT_EQ(news.displayText,
              "news:     Storm at sea     Caf\xE9 opens     ");
    // Nested CHANNEL elements are not channels of the feed.
    EXPECT_EQ(selection.channelCount, 3);
}

TEST_F(ChannelTextTest, ByIndexTakesTheFeedsNameAndALongGap) {
    const auto selection = ByIndex(2);
    ASSERT_TRUE(selection.channel);
    EXPECT_EQ(selection.channel->name, "Sport");
    EXPECT_EQ(selection.channel->displayText, "Sport:" + std::string(19, ' ') + "Goal" +
                                                  std::string(19, ' '));
}

TEST_F(ChannelTextTest, ItemsCarryEndOffsetsAndUnescapedLinks) {
    const auto items = ByName("NEWS").channel->items;
    ASSERT_EQ(items.size(), 3u);
    // "NEWS:     Storm at sea" is 22 characters.
    EXPECT_EQ(items[0].endOffset, 22 * 7);
    EXPECT_EQ(items[0].text, "Storm at sea");
    EXPECT_EQ(items[0].link, "http://site.example/a b.html");
    // An item without text adds nothing to the line and ends at 0.
    EXPECT_EQ(items[1].endOffset, 0);
    EXPECT_EQ(items[1].link, "http://site.example/untitled");
    EXPECT_EQ(items[2].endOffset, (22 + 5 + 10) * 7);
    EXPECT_EQ(items[2].link, "");
}

TEST_F(ChannelTextTest, MissingChannelsAreNotFoundButTheFeedIsCounted) {
    auto selection = ByName("Weather");
    EXPECT_FALSE(selection.channel);
    EXPECT_EQ(selection.LineToShow(), "Error loading ticker data...");
    EXPECT_EQ(selection.channelCount, 3);
    EXPECT_EQ(ByIndex(3).LineToShow(), "Error loading ticker data...");
    // A channel without a name cannot be chosen by index.
    EXPECT_FALSE(ByIndex(1).channel);
    EXPECT_FALSE(ByIndex(3).channel);
    EXPECT_FALSE(ByIndex(-1).channel);
    EXPECT_EQ(ByIndex(3).channelCount, 3);
}

TEST_F(ChannelTextTest, AMissingOrBrokenCacheIsNotCounted) {
    WriteBytes(path_, "<TICKER><CHANNEL NAME=\"News\">");
    EXPECT_FALSE(ByName("News").channel);
    EXPECT_FALSE(ByName("News").channelCount);
    EXPECT_EQ(ByName("News").LineToShow(), "Error loading ticker data...");
    std::filesystem::remove(std::filesystem::path(path_));
    EXPECT_FALSE(ByIndex(0).channel);
    EXPECT_FALSE(ByIndex(0).channelCount);
    EXPECT_EQ(ByIndex(0).LineToShow(), "Error loading ticker data...");
    // Without a TICKER root there are no channels.
    WriteBytes(path_, "<html><CHANNEL NAME=\"News\"/></html>");
    EXPECT_EQ(ByIndex(0).channelCount, 0);
}

TEST_F(ChannelTextTest, LongNamesAreCutTo259Characters) {
    const std::string longName(300, 'x');
    WriteBytes(path_,
               "<TICKER><CHANNEL NAME=\"" + longName + "\"><ITEM TEXT=\"a\"/></CHANNEL></TICKER>");
    const auto selection = ByIndex(0);
    ASSERT_TRUE(selection.channel);
    EXPECT_EQ(selection.channel->name, std::string(259, 'x'));
    // The name as the caller spells it is only compared with the cut name.
    EXPECT_TRUE(ByName(std::string(259, 'X')).channel);
    EXPECT_FALSE(ByName(longName).channel);
}

TEST(TickerItems, ReadMoreTakesTheHeadlineAtTheLeftEdge) {
    const std::vector<TickerItem> items = {
        {0, "", "http://untitled"}, {100, "a", "http://a"}, {250, "b", "http://b"}};
    // Before the text reaches the left edge, the first headline with text.
    EXPECT_EQ(ItemAtLeftEdge(items, 0)->link, "http://a");
    EXPECT_EQ(ItemAtLeftEdge(items, 99)->link, "http://a");
    EXPECT_EQ(ItemAtLeftEdge(items, 100)->link, "http://b");
    EXPECT_EQ(ItemAtLeftEdge(items, 250), nullptr);
    EXPECT_EQ(ItemAtLeftEdge({}, 0), nullptr);
}

}  // namespace
