#include "recording/copy/track_names.h"

#include "common/helpers/plain_file_name.h"
#include "common/helpers/text_case.h"
#include "recording/files/recording_file_format.h"

#include <cwchar>

namespace {

constexpr wchar_t kUntitledStation[] = L"Radio stream";
constexpr int kMaxNameNumber = 9999;

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Cut at a whole character: never between the two halves of a pair.
std::wstring_view Shortened(std::wstring_view text) {
    if (text.size() <= kMaxTrackStemLength) return text;
    std::size_t length = kMaxTrackStemLength;
    if (IsHighSurrogate(text[length - 1])) --length;
    return text.substr(0, length);
}

}  // namespace

std::wstring_view TrackExtension(StreamAudio audio) {
    return audio == StreamAudio::Aac ? L".aac" : L".mp3";
}

std::wstring ScheduledCopyStem(std::wstring_view entryName) {
    for (const auto format : {RecordingFileFormat::Mp3, RecordingFileFormat::Wav}) {
        const std::wstring_view extension = RecordingExtension(format);
        // A name that is nothing but the extension keeps it, so it names a file still.
        if (entryName.size() <= extension.size()) continue;
        const std::size_t stemLength = entryName.size() - extension.size();
        if (EqualsIgnoringCase(entryName.substr(stemLength), extension))
            return std::wstring(entryName.substr(0, stemLength));
    }
    return std::wstring(entryName);
}

std::optional<std::wstring> TrackStem(std::wstring_view title) {
    return PlainFileNameFrom(Shortened(title));
}

std::wstring UntitledTrackStem(std::wstring_view station, const LocalTime& start) {
    wchar_t time[32];
    std::swprintf(time, std::size(time), L" %04u-%02u-%02u %02u.%02u", start.year, start.month,
                  start.day, start.hour, start.minute);
    const auto name = PlainFileNameFrom(Shortened(station));
    return (name ? *name : std::wstring(kUntitledStation)) + time;
}

std::wstring FreeTrackPath(const std::wstring& folder, const std::wstring& stem,
                           std::wstring_view extension,
                           const std::function<bool(const std::wstring&)>& exists) {
    std::wstring path = folder + stem + std::wstring(extension);
    for (int number = 2; exists(path) && number <= kMaxNameNumber; ++number)
        path = folder + stem + L" (" + std::to_wstring(number) + L")" + std::wstring(extension);
    return path;
}
