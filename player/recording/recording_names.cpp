#include "recording_names.h"

#include "text_case.h"

#include <cwchar>
#include <cwctype>

namespace {

constexpr int kLastNumberedName = 34999;

bool Contains(const std::wstring& text, std::wstring_view part) {
    return text.find(part) != std::wstring::npos;
}

}  // namespace

std::wstring NextFreeRecordingName(const std::wstring& folder, const FileExistsFn& exists) {
    for (int number = 1; number <= kLastNumberedName; ++number) {
        wchar_t name[32];
        std::swprintf(name, std::size(name), L"Recording%03d", number);
        if (!exists(folder + name + L".mp3") && !exists(folder + name + L".wav")) return name;
    }
    return L"Recording";
}

std::wstring WithRecordingExtension(const std::wstring& path, RecordingFileFormat format) {
    const std::wstring_view extension = RecordingExtension(format);
    return Contains(LowerCase(path), extension) ? path : path + std::wstring(extension);
}

std::wstring RenamedRecordingName(const std::wstring& oldName, const std::wstring& newName) {
    const std::wstring oldLower = LowerCase(oldName);
    const std::wstring newLower = LowerCase(newName);
    const auto wav = RecordingExtension(RecordingFileFormat::Wav);
    const auto mp3 = RecordingExtension(RecordingFileFormat::Mp3);
    if (Contains(newLower, wav)) return newName;
    if (Contains(oldLower, wav)) return newName + std::wstring(wav);
    if (!Contains(newLower, mp3) && Contains(oldLower, mp3)) return newName + std::wstring(mp3);
    return newName;
}
