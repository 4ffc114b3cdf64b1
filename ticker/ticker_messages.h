#pragma once
// Private messages of the ticker window.

#include <windows.h>

// A download has ended (whether or not it brought a new cache file); sent by
// the download thread, handled on the window's thread.
inline constexpr UINT WM_FEED_READY = WM_USER + 100;
// The scroller has shown the whole line once; the window rebuilds it from the
// cache file, so a newer feed shows from the next pass.
inline constexpr UINT WM_TICKER_PASS_ENDED = WM_USER + 101;
// Posted to itself at WM_DPICHANGED: once the dialog manager has sized the
// strip and placed and given fonts to its template controls for the new
// scale, the window does the same for what it made itself.
inline constexpr UINT WM_TICKER_RESCALE = WM_USER + 102;
