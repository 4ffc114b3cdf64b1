#include "ticker/channel_text.h"

#include "common/ports/ansi_text.h"
#include "ticker/ascii_case.h"
#include "ticker/feed_reader.h"
#include "ticker/url_unescape.h"

namespace {

// The gap after the name and after each headline: short in a line chosen by
// name (the host's choice, and every pass after the first), wide in a line
// chosen by position (the first line after a download, the spin).
constexpr std::string_view kGapAfterChosenName = "     ";
constexpr std::string_view kGapAfterFeedName = "                   ";
// Channel names are kept to what fits the channel field's buffer.
constexpr std::size_t kMaxNameLength = 259;

std::optional<std::string> ChannelName(FeedReader& feed) {
    const auto name = feed.Attribute(L"NAME");
    if (!name) return std::nullopt;
    return WideToAnsi(*name).substr(0, kMaxNameLength);
}

// The cursor is at the channel: appends its headlines to the line.
void ReadItems(FeedReader& feed, std::string_view gap, TextMeasure& measure,
               ChannelText& channel) {
    const int count = feed.Count(L"ITEM");
    for (int i = 0; i < count; ++i) {
        if (!feed.Select(L"ITEM", i)) continue;
        TickerItem item;
        if (const auto text = feed.Attribute(L"TEXT")) {
            item.text = WideToAnsi(*text);
            channel.displayText += item.text;
            item.endOffset = measure.Width(channel.displayText);
            channel.displayText += gap;
        }
        if (const auto link = feed.Attribute(L"LINK")) item.link = UnescapeUrl(WideToAnsi(*link));
        channel.items.push_back(std::move(item));
        feed.Up();
    }
}

ChannelText StartLine(int index, std::string name, std::string_view gap) {
    ChannelText channel;
    channel.index = index;
    channel.displayText = name + ":" + std::string(gap);
    channel.name = std::move(name);
    return channel;
}

// Without a TICKER root the channel count is simply 0.
int CountChannels(FeedReader& feed) {
    feed.Select(L"TICKER", 0);
    return feed.Count(L"CHANNEL");
}

}  // namespace

ChannelSelection BuildChannelByName(const std::wstring& feedPath, std::string_view name,
                                    TextMeasure& measure) {
    ChannelSelection selection;
    FeedReader feed(NewXmlDocument());
    if (!feed.Load(feedPath)) return selection;
    const int count = CountChannels(feed);
    selection.channelCount = count;
    for (int i = 0; i < count; ++i) {
        if (!feed.Select(L"CHANNEL", i)) continue;
        const auto feedName = ChannelName(feed);
        if (feedName && EqualsIgnoringAsciiCase(*feedName, name)) {
            ChannelText channel = StartLine(i, std::string(name), kGapAfterChosenName);
            ReadItems(feed, kGapAfterChosenName, measure, channel);
            selection.channel = std::move(channel);
            return selection;
        }
        feed.Up();
    }
    return selection;
}

ChannelSelection BuildChannelByIndex(const std::wstring& feedPath, int index,
                                     TextMeasure& measure) {
    ChannelSelection selection;
    FeedReader feed(NewXmlDocument());
    if (!feed.Load(feedPath)) return selection;
    selection.channelCount = CountChannels(feed);
    if (!feed.Select(L"CHANNEL", index)) return selection;
    auto feedName = ChannelName(feed);
    if (!feedName) return selection;
    ChannelText channel = StartLine(index, std::move(*feedName), kGapAfterFeedName);
    ReadItems(feed, kGapAfterFeedName, measure, channel);
    selection.channel = std::move(channel);
    return selection;
}
