#pragma once
// Where the directory site and the web search live. Each deployment builds in
// its own defaults; a user can point the player elsewhere with the string
// values "Site URL" and "Search URL" under the player key.

#include "common/ports/registry.h"

#include <string>

inline constexpr wchar_t kSiteUrlValue[] = L"Site URL";
inline constexpr wchar_t kSearchUrlValue[] = L"Search URL";

// The site's base URL, always ending with '/', so that file names such as
// "stations.xml" can be appended directly.
std::wstring SiteBaseUrl(Registry& registry);
// The search URL; the search words are appended to it.
std::wstring SearchUrl(Registry& registry);
