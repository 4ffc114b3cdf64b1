#pragma once
// The recorder's capture choices in the registry, all strings under the
// player key: "Device" (the device entry's text, or the station's stream
// itself as kStreamCopySourceName), "Format" (the capture
// format's text, kept for the user's information only) and "File format"
// ("MP3" or "WAV").

#include "common/ports/registry.h"
#include "recording/files/recording_file_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kDeviceValue[] = L"Device";
inline constexpr wchar_t kFormatValue[] = L"Format";
inline constexpr wchar_t kFileFormatValue[] = L"File format";
// The source above the sound cards: the station's stream, copied as sent.
inline constexpr wchar_t kStreamCopySourceName[] = L"Radio stream (exact copy)";

struct CaptureSettings {
    std::wstring device;
    std::wstring format;
    RecordingFileFormat fileFormat = RecordingFileFormat::Mp3;
};

void SaveCaptureSettings(Registry& registry, const CaptureSettings& settings);

// The first entry that starts with text, in any letter case, the way a combo
// box finds a stored choice.
std::optional<std::size_t> FindEntryByPrefix(const std::vector<std::wstring>& entries,
                                             std::wstring_view text);

// The device entry named by "Device", entry 0 when it is missing or names
// no entry.
std::size_t StoredDeviceEntry(Registry& registry, const std::vector<std::wstring>& devices);
// Whether "Device" names the stream copy (exactly: a device's name never
// stands for it), and storing that choice; the other values stay.
bool StoredSourceIsStreamCopy(Registry& registry);
void SaveStreamCopySource(Registry& registry);
// "File format" as stored; MP3 (the combo's entry 0) when it names neither.
RecordingFileFormat StoredFileFormat(Registry& registry);
