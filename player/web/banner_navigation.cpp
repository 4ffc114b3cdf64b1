#include "web/banner_navigation.h"

#include "common/helpers/text_case.h"
#include "common/helpers/web_url.h"

#include <string>

BannerNavigation DecideBannerNavigation(std::wstring_view url, std::wstring_view siteBaseUrl) {
    const std::wstring lowerUrl = LowerCase(url);
    const std::wstring lowerSite = LowerCase(siteBaseUrl);
    const bool web = IsWebUrl(url);
    // Another scheme that merely mentions the site stays out of the pane.
    const bool onSite = web && !lowerSite.empty() && lowerUrl.find(lowerSite) != std::wstring::npos;
    if (onSite || lowerUrl.find(L"banner.html") != std::wstring::npos)
        return BannerNavigation::Proceed;
    if (!web) return BannerNavigation::CancelAndDrop;
    if (lowerUrl.find(L".mp3") != std::wstring::npos) return BannerNavigation::CancelAndPlay;
    return BannerNavigation::CancelAndOpen;
}
