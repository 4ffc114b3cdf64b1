#pragma once
// What the banner pane does with a page it is about to open. The banner comes
// from the network, so it only ever shows the directory site's pages and the
// local banner page; a link to an MP3 file elsewhere plays in the player, a
// web page elsewhere opens in the user's browser, and anything that is not a
// web address (a local file, a share, a script) is dropped.

#include <string_view>

enum class BannerNavigation {
    Proceed,        // the site or the banner page: shown in the pane
    CancelAndPlay,  // an MP3 file elsewhere: played by the player
    CancelAndOpen,  // a web page elsewhere: the user's browser
    CancelAndDrop,  // not a web address: nothing at all
};

// `siteBaseUrl` is the directory site's base URL. Case does not matter in
// either.
BannerNavigation DecideBannerNavigation(std::wstring_view url, std::wstring_view siteBaseUrl);
