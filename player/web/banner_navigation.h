#pragma once
// What the banner pane does with a page it is about to open. The banner comes
// from the network, so it only ever shows the directory site's pages and the
// local banner page; a link to an MP3 file elsewhere plays in the player, a
// web page elsewhere opens in the user's browser, and anything that is not a
// web address (a local file, a share, a script) is dropped. Only a click of
// the user's on the pane's own page reaches the player or the browser: the
// pages the player opens itself and the pane's sub-frames never do.

#include <string_view>

enum class BannerNavigation {
    Proceed,        // the site or the banner page: shown in the pane
    CancelAndPlay,  // an MP3 file elsewhere: played by the player
    CancelAndOpen,  // a web page elsewhere: the user's browser
    CancelAndDrop,  // not a web address, or not the user's click: nothing at all
};

// Who asked for the page.
enum class BannerNavigationOrigin {
    PaneLink,  // the pane's top-level page, at the user's click (or its script)
    Player,    // the player itself, as it shows each station's banner
    SubFrame,  // a frame inside the pane's page
};

// Where the pane's own pages are: the directory site's base URL and the path
// of the local banner page. Case does not matter in either.
struct BannerPlaces {
    std::wstring_view siteBaseUrl;
    std::wstring_view localPage;
};

BannerNavigation DecideBannerNavigation(std::wstring_view url, const BannerPlaces& places,
                                        BannerNavigationOrigin origin);

// True when `url` is the local banner page, by its path or its file: address.
bool IsLocalBannerPage(std::wstring_view url, std::wstring_view localPage);
