#pragma once
// Radio playlists as stations publish them: PLS ("[playlist]" with File1=...)
// and M3U (one address a line, "#" lines are comments). They come from the
// network, so they are bounded and only web addresses are taken from them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxPlaylistBytes = 64 * 1024;
inline constexpr std::size_t kMaxPlaylistEntries = 50;

enum class PlaylistFormat { Pls, M3u };

// The http and https addresses of a playlist, in the order they are to be
// tried: PLS by the numbers of their FileN keys, M3U by their lines. A text
// longer than kMaxPlaylistBytes gives none; past kMaxPlaylistEntries the rest
// is dropped.
std::vector<std::wstring> ReadPlaylist(PlaylistFormat format, std::string_view text);
