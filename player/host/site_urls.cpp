#include "host/site_urls.h"

#include "host/player_settings.h"
#include "host/site_defaults.h"

namespace {

std::wstring ReadUrl(Registry& registry, const wchar_t* valueName, const wchar_t* fallback) {
    if (auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false)) {
        if (auto url = key->ReadString(valueName); url && !url->empty()) return *url;
    }
    return fallback;
}

}  // namespace

std::wstring SiteBaseUrl(Registry& registry) {
    std::wstring url = ReadUrl(registry, kSiteUrlValue, kDefaultSiteUrl);
    if (url.empty() || url.back() != L'/') url += L'/';
    return url;
}

std::wstring SearchUrl(Registry& registry) {
    return ReadUrl(registry, kSearchUrlValue, kDefaultSearchUrl);
}
