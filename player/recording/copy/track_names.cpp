#include "recording/copy/track_names.h"

#include "common/helpers/plain_file_name.h"

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
