#pragma once
// What a radio server answered: its status, the type of what it sends and
// how often metadata is woven in. Servers answer either as HTTP does or with
// their own "ICY 200 OK" status line; the head is read the same way for both.

#include "playback/radio/playlist.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The protocol has no limit of its own; real servers use a few kilobytes.
// A larger interval is taken as no metadata rather than trusted.
inline constexpr std::size_t kMaxMetaInterval = 1024 * 1024;

struct StreamAnswer {
    unsigned status = 0;
    std::string contentType;       // lower case, without parameters
    std::size_t metaInterval = 0;  // 0: no metadata
};

// Reads a whole answer head: the status line, then "Name: value" lines up to
// the empty line. Nothing when the status line is neither HTTP's nor ICY's.
std::optional<StreamAnswer> ReadStreamAnswerHead(std::string_view head);

// Where the head of an answer ends in the bytes read so far (past its empty
// line), when they start with one.
std::optional<std::size_t> StreamAnswerHeadEnd(std::string_view bytes);

// The value of `icy-metaint`, bounded as above.
std::size_t MetaIntervalOf(std::string_view value);

enum class StreamKind { Mp3, Aac, Playlist, Other };

// What the answer holds, by its type, the address, and its first bytes (the
// audio in them, without ICY metadata): MP3 or AAC audio for the engine, a
// playlist to read, or something for the media player control (Ogg, HLS,
// ...). Radio servers often name no type or a wrong one for their audio, so
// frames that follow each other count for more than the type does.
StreamKind KindOfStream(const StreamAnswer& answer, std::wstring_view url,
                        std::string_view firstBytes);
// The audio format whose frames come first in `audio`, when a few in a row
// show it.
std::optional<StreamKind> SniffAudio(std::string_view audio);

// Which playlist format, for an answer KindOfStream calls a playlist.
PlaylistFormat PlaylistFormatOf(const StreamAnswer& answer, std::wstring_view url);
