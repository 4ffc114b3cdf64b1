#include "recording/capture/capture_settings.h"

#include "common/helpers/text_case.h"
#include "host/player_settings.h"

#include <cwctype>

namespace {

std::optional<std::wstring> ReadSetting(Registry& registry, const wchar_t* name) {
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false);
    return key ? key->ReadString(name) : std::nullopt;
}

}  // namespace

void SaveCaptureSettings(Registry& registry, const CaptureSettings& settings) {
    auto key = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey);
    if (!key) return;
    key->WriteString(kDeviceValue, settings.device);
    key->WriteString(kFormatValue, settings.format);
    key->WriteString(kFileFormatValue, RecordingFileFormatName(settings.fileFormat));
}

std::optional<std::size_t> FindEntryByPrefix(const std::vector<std::wstring>& entries,
                                             std::wstring_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (StartsWithIgnoringCase(entries[i], text)) return i;
    }
    return std::nullopt;
}

std::size_t StoredDeviceEntry(Registry& registry, const std::vector<std::wstring>& devices) {
    const auto stored = ReadSetting(registry, kDeviceValue);
    return stored ? FindEntryByPrefix(devices, *stored).value_or(0) : 0;
}

bool StoredSourceIsStreamCopy(Registry& registry) {
    return ReadSetting(registry, kDeviceValue) == std::wstring(kStreamCopySourceName);
}

void SaveStreamCopySource(Registry& registry) {
    if (auto key = registry.CreateKey(RegistryRoot::CurrentUser, kPlayerKey))
        key->WriteString(kDeviceValue, kStreamCopySourceName);
}

RecordingFileFormat StoredFileFormat(Registry& registry) {
    const auto stored = ReadSetting(registry, kFileFormatValue);
    if (!stored) return RecordingFileFormat::Mp3;
    const std::vector<std::wstring> names = {std::wstring(RecordingFileFormatName(RecordingFileFormat::Mp3)),
                                             std::wstring(RecordingFileFormatName(RecordingFileFormat::Wav))};
    return static_cast<RecordingFileFormat>(FindEntryByPrefix(names, *stored).value_or(0));
}
