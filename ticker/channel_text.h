#pragma once
// Builds the line of one feed channel: its name, a colon and a gap, then each
// headline followed by the gap, with the headlines' links and end offsets.
// Both builds load the feed file afresh, so the line always shows what the
// cache file holds. On Windows the calling thread must have initialised COM.

#include "ticker/text_measure.h"
#include "ticker/ticker_item.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the ticker scrolls when there is no channel to show.
inline constexpr char kTickerErrorText[] = "Error loading ticker data...";

struct ChannelText {
    int index = -1;
    std::string name;
    std::string displayText;
    std::vector<TickerItem> items;
};

struct ChannelSelection {
    // The number of channels in the feed; nothing when it did not load.
    std::optional<int> channelCount;
    // Nothing when there is no such channel.
    std::optional<ChannelText> channel;

    // The channel's line, or the error text when there is no channel.
    std::string LineToShow() const { return channel ? channel->displayText : kTickerErrorText; }
};

// Finds the channel by name, compared without regard to letter case; the line
// begins with the name as the caller spells it.
ChannelSelection BuildChannelByName(const std::wstring& feedPath, std::string_view name,
                                    TextMeasure& measure);
// Takes the channel at that index, which must have a name; the line begins
// with the name as the feed spells it.
ChannelSelection BuildChannelByIndex(const std::wstring& feedPath, int index,
                                     TextMeasure& measure);
