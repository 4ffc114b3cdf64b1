#pragma once
// The title a radio station announces in its metadata blocks:
// StreamTitle='Artist - Song';StreamUrl='...';

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxStreamTitleLength = 256;

// The StreamTitle of one metadata block, cleaned for the status line: bytes
// that are valid UTF-8 are read as such, anything else as Windows-1252;
// control characters go, and the title is cut at 256 characters. Nothing when
// the block names no title.
std::optional<std::wstring> StreamTitleOf(std::string_view block);
