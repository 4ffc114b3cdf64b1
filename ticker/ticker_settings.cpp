#include "ticker/ticker_settings.h"

#include "common/ports/ansi_text.h"

TickerSettings LoadTickerSettings(Registry& registry) {
    TickerSettings settings;
    const auto key = registry.OpenKey(RegistryRoot::CurrentUser, kTickerKey, false);
    if (!key) return settings;
    if (const auto delay = key->ReadDword(L"TickerDelay")) settings.delay = *delay;
    if (const auto channel = key->ReadDword(L"TickerChannel")) {
        settings.channel = static_cast<std::int32_t>(*channel);
    }
    if (const auto url = key->ReadString(L"URL")) settings.url = WideToAnsi(*url);
    return settings;
}

bool SaveTickerDelay(Registry& registry, std::uint32_t delay) {
    const auto key = registry.CreateKey(RegistryRoot::CurrentUser, kTickerKey);
    return key && key->WriteDword(L"TickerDelay", delay);
}

bool SaveTickerState(Registry& registry, std::uint32_t delay, std::int32_t channel) {
    const auto key = registry.CreateKey(RegistryRoot::CurrentUser, kTickerKey);
    return key && key->WriteDword(L"TickerDelay", delay) &&
           key->WriteDword(L"TickerChannel", static_cast<std::uint32_t>(channel));
}
