#pragma once
// The two kinds of recording file, in the order of the recorder's file-format
// combo ("MP3" is entry 0, "WAV" entry 1).

#include <string_view>

enum class RecordingFileFormat { Mp3 = 0, Wav = 1 };

inline constexpr std::wstring_view RecordingFileFormatName(RecordingFileFormat format) {
    return format == RecordingFileFormat::Mp3 ? L"MP3" : L"WAV";
}

// The extension that marks a file of this format, lower case.
inline constexpr std::wstring_view RecordingExtension(RecordingFileFormat format) {
    return format == RecordingFileFormat::Mp3 ? L".mp3" : L".wav";
}
