#include "scheduler_recording_name.h"

#include <algorithm>
#include <cwctype>

namespace {

bool IsForbiddenCharacter(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

std::wstring UpperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

// Opening "CON.mp3" or "lpt1 .wav" opens the device, wherever the folder is.
bool IsDeviceName(std::wstring_view fileName) {
    std::wstring_view stem = fileName.substr(0, fileName.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
    const std::wstring upper = UpperCase(stem);
    if (upper == L"CON" || upper == L"PRN" || upper == L"AUX" || upper == L"NUL") return true;
    return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) &&
           upper[3] >= L'1' && upper[3] <= L'9';
}

}  // namespace

std::wstring RecordingFileName(std::wstring_view typedName, RecordingFormat format) {
    return std::wstring(typedName) + (format == RecordingFormat::Wav ? L".wav" : L".mp3");
}

bool IsSafeRecordingFileName(std::wstring_view fileName) {
    return std::none_of(fileName.begin(), fileName.end(), IsForbiddenCharacter) &&
           fileName.find(L"..") == std::wstring_view::npos && !IsDeviceName(fileName);
}

bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return UpperCase(a) == UpperCase(b);
}
