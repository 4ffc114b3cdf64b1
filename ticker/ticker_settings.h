#pragma once
// The ticker's values under HKEY_CURRENT_USER "SOFTWARE\Dravik\Ticker\3.01 UK":
// its speed and last channel, which it keeps, and the feed URL, which the
// player writes at every start.

#include "common/ports/registry.h"
#include "ticker/ticker_speed.h"

#include <cstdint>
#include <string>

inline constexpr wchar_t kTickerKey[] = L"SOFTWARE\\Dravik\\Ticker\\3.01 UK";

struct TickerSettings {
    std::uint32_t delay = kDefaultTickerDelay;
    std::int32_t channel = -1;
    std::string url;  // ANSI
};

// Missing key or values leave the defaults.
TickerSettings LoadTickerSettings(Registry& registry);
// Creates the key when needed; false when a value could not be written.
bool SaveTickerDelay(Registry& registry, std::uint32_t delay);
bool SaveTickerState(Registry& registry, std::uint32_t delay, std::int32_t channel);
