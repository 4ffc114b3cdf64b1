#include "web/banner_navigation.h"

#include "common/helpers/text_case.h"
#include "common/helpers/web_url.h"

#include <string>

namespace {

// "C:\a\b.html" as the browser may report it: "file:///C:/a/b.html".
std::wstring FileAddress(std::wstring_view path) {
    std::wstring address = L"file:///";
    for (wchar_t c : path) address += c == L'\\' ? L'/' : c;
    return address;
}

bool IsSitePage(std::wstring_view url, std::wstring_view siteBaseUrl) {
    // The site's address leads; one merely mentioned further on (in a query)
    // makes no page a site page.
    return !siteBaseUrl.empty() && IsWebUrl(url) &&
           LowerCase(url).starts_with(LowerCase(siteBaseUrl));
}

}  // namespace

bool IsLocalBannerPage(std::wstring_view url, std::wstring_view localPage) {
    if (localPage.empty()) return false;
    const std::wstring lowerUrl = LowerCase(url);
    return lowerUrl == LowerCase(localPage) || lowerUrl == LowerCase(FileAddress(localPage));
}

BannerNavigation DecideBannerNavigation(std::wstring_view url, const BannerPlaces& places,
                                        BannerNavigationOrigin origin) {
    if (IsSitePage(url, places.siteBaseUrl) || IsLocalBannerPage(url, places.localPage))
        return BannerNavigation::Proceed;
    if (origin != BannerNavigationOrigin::PaneLink || !IsWebUrl(url))
        return BannerNavigation::CancelAndDrop;
    if (LowerCase(url).find(L".mp3") != std::wstring::npos) return BannerNavigation::CancelAndPlay;
    return BannerNavigation::CancelAndOpen;
}
