#include "scheduler_recording_name.h"

#include <cwctype>

namespace {

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

}  // namespace

std::wstring RecordingFileName(std::wstring_view typedName, RecordingFormat format) {
    return std::wstring(typedName) + (format == RecordingFormat::Wav ? L".wav" : L".mp3");
}

bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return UpperCase(a) == UpperCase(b);
}
