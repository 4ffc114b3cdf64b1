#pragma once
// How the copy of a station's stream names its files: after the track's
// title ("Artist - Title.mp3"), or after the station and the start time when
// the stream names no titles. A track the copy holds only part of (it joined
// mid-way, or stopped or lost the stream before the track's end) says so in
// its name, and a name already taken gets " (2)", " (3)" and so on.

#include "common/ports/clock.h"
#include "host/stream_tap.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Titles can be long (servers allow 255 characters and more); the cut leaves
// room for the folder, the marks below and the extension within MAX_PATH.
inline constexpr std::size_t kMaxTrackStemLength = 120;
inline constexpr wchar_t kIncompleteTrackMark[] = L" (incomplete)";

// ".mp3" or ".aac": the file says what it holds.
std::wstring_view TrackExtension(StreamAudio audio);

// A scheduled entry's name without the ".mp3" or ".wav" the scheduler gave
// it for the format the user chose: the copy holds what the station sends,
// and its file takes that extension instead, under the name the user gave.
std::wstring ScheduledCopyStem(std::wstring_view entryName);

// The file name without extension for a title; nothing when the title
// leaves no usable name (empty, only dots, a device name).
std::optional<std::wstring> TrackStem(std::wstring_view title);

// "Station 2026-12-24 07.05" for a stream without titles.
std::wstring UntitledTrackStem(std::wstring_view station, const LocalTime& start);

// folder + stem + extension, or with " (2)", " (3)", ... before the
// extension, the first whose file does not exist.
std::wstring FreeTrackPath(const std::wstring& folder, const std::wstring& stem,
                           std::wstring_view extension,
                           const std::function<bool(const std::wstring&)>& exists);
