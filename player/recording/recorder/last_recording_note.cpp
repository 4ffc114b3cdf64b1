#include "recording/recorder/last_recording_note.h"

#include <cwchar>

namespace {

double Seconds(const LostSound& lost, std::uint32_t bytesPerSecond) {
    return bytesPerSecond == 0 ? 0.0 : static_cast<double>(lost.bytes) / bytesPerSecond;
}

std::wstring LostSoundNote(const LostSound& lost, std::uint32_t bytesPerSecond) {
    if (lost.gaps == 0 || bytesPerSecond == 0) return L"";
    wchar_t text[160];
    std::swprintf(text, std::size(text),
                  L"Last recording: %.1f s of sound lost in %d %ls, kept as silence",
                  Seconds(lost, bytesPerSecond), lost.gaps, lost.gaps == 1 ? L"place" : L"places");
    return text;
}

// The title bar holds about seventy characters: why it ended comes first,
// and what it lost follows in short.
std::wstring EndNote(CaptureEnd ended, const LostSound& lost, std::uint32_t bytesPerSecond) {
    std::wstring text = ended == CaptureEnd::DeviceStalled
                            ? L"Last recording stopped: the sound card stood still for 2 s"
                            : L"Last recording stopped: its file took no more sound";
    if (lost.gaps == 0 || bytesPerSecond == 0) return text;
    wchar_t lostText[40];
    std::swprintf(lostText, std::size(lostText), L"; %.1f s lost", Seconds(lost, bytesPerSecond));
    return text + lostText;
}

}  // namespace

std::wstring LastRecordingNote(const LostSound& lost, std::uint32_t bytesPerSecond,
                               std::optional<CaptureEnd> ended) {
    return ended ? EndNote(*ended, lost, bytesPerSecond) : LostSoundNote(lost, bytesPerSecond);
}
