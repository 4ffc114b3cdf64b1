#pragma once
// Addresses from the network (station pages, streams, banners, links, feed
// items) are only ever taken as web addresses: never a local file, a program,
// a share or another scheme the system would hand to some handler.

#include <string_view>

// True for an http or https address with something after the scheme and
// without quotes or control characters, which could break out of the command
// line a browser is started with.
bool IsWebUrl(std::string_view url);
bool IsWebUrl(std::wstring_view url);

// True for a web address (as IsWebUrl) over https, whose server's
// certificate must pass the system's checks.
bool IsSecureWebUrl(std::wstring_view url);

// True for a web address (as IsWebUrl) or an mms, mmsh or rtsp address: the
// schemes a station streams over. A station's stream is never a file or a
// share, which the media player would open as readily as a stream.
bool IsStreamUrl(std::wstring_view url);
