#include "recording/recorder/recording_names.h"

#include "common/helpers/text_case.h"

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
    // Only the file name counts: a folder called "old.wav stuff" must not
    // stand in for the file's own extension.
    const std::size_t nameStart = path.find_last_of(L"\\/") + 1;
    const std::wstring_view extension = RecordingExtension(format);
    const bool named = Contains(LowerCase(path.substr(nameStart)), extension);
    return named ? path : path + std::wstring(extension);
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
