#include "recording/recorder/lost_sound_note.h"

#include <cwchar>

std::wstring LostSoundNote(const LostSound& lost, std::uint32_t bytesPerSecond) {
    if (lost.gaps == 0 || bytesPerSecond == 0) return L"";
    const double seconds = static_cast<double>(lost.bytes) / bytesPerSecond;
    wchar_t text[160];
    std::swprintf(text, std::size(text),
                  L"Last recording: %.1f s of sound lost in %d %ls, kept as silence", seconds,
                  lost.gaps, lost.gaps == 1 ? L"place" : L"places");
    return text;
}
