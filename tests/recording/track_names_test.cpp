// File names made from station titles stay inside the recordings folder and
// can be opened on Windows, whatever the station sends.

#include "recording/copy/track_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(TrackStem, ReplacesWhatANameCannotHoldAndTrimsItsEnds) {
    EXPECT_EQ(TrackStem(L"AC/DC - Back In Black"), L"AC_DC - Back In Black");
    EXPECT_EQ(TrackStem(L"Live: 10\\12 <Berlin> \"Encore\"?*|"), L"Live_ 10_12 _Berlin_ _Encore____");
    EXPECT_EQ(TrackStem(L"  Something Else..."), L"Something Else");
    EXPECT_EQ(TrackStem(L"..\\..\\Windows\\win.ini"), L".._.._Windows_win.ini");
    EXPECT_EQ(TrackStem(L"Caf\u00e9 Nocturne"), L"Caf\u00e9 Nocturne");
}

TEST(TrackStem, RefusesTitlesThatLeaveNoSafeName) {
    for (const wchar_t* title : {L"", L"   ", L"...", L". .", L"CON", L"nul.mp3", L"Com1", L"LPT\u00b9 "})
        EXPECT_FALSE(TrackStem(title)) << "title \"" << std::wstring(title).size() << "\"";
    EXPECT_TRUE(TrackStem(L"CONCERT"));
}

TEST(TrackStem, CutsLongTitlesAtAWholeCharacter) {
    const std::wstring title(300, L'x');
    EXPECT_EQ(TrackStem(title)->size(), kMaxTrackStemLength);
    // A pair of UTF-16 halves across the cut goes whole.
    std::wstring paired(kMaxTrackStemLength - 1, L'y');
    paired += L"\xD83C\xDFB5 tail";
    EXPECT_EQ(*TrackStem(paired), std::wstring(kMaxTrackStemLength - 1, L'y'));
    // Dots and spaces the cut leaves at the end go too.
    std::wstring dotted(kMaxTrackStemLength - 2, L'z');
    dotted += L". more";
    EXPECT_EQ(*TrackStem(dotted), std::wstring(kMaxTrackStemLength - 2, L'z'));
}

TEST(UntitledTrackStem, NamesTheStationAndTheStartTime) {
    const LocalTime start{2026, 12, 24, 7, 5, 30};
    EXPECT_EQ(UntitledTrackStem(L"Velmora Live", start), L"Velmora Live 2026-12-24 07.05");
    EXPECT_EQ(UntitledTrackStem(L"Radio 1/2", start), L"Radio 1_2 2026-12-24 07.05");
    EXPECT_EQ(UntitledTrackStem(L"AUX", start), L"Radio stream 2026-12-24 07.05");
}

TEST(FreeTrackPath, NumbersATakenName) {
    std::set<std::wstring> taken = {L"C:\\R\\A - B.mp3", L"C:\\R\\A - B (2).mp3"};
    const auto exists = [&](const std::wstring& path) { return taken.contains(path); };
    EXPECT_EQ(FreeTrackPath(L"C:\\R\\", L"A - B", L".mp3", exists), L"C:\\R\\A - B (3).mp3");
    EXPECT_EQ(FreeTrackPath(L"C:\\R\\", L"A - C", L".mp3", exists), L"C:\\R\\A - C.mp3");
}

// The scheduler names each entry with the extension of the format the user
// chose; the copy keeps the name and says what the file really holds.
TEST(ScheduledCopyStem, DropsTheChosenFormatsExtensionOnly) {
    EXPECT_EQ(ScheduledCopyStem(L"Morning show.wav"), L"Morning show");
    EXPECT_EQ(ScheduledCopyStem(L"Morning show.MP3"), L"Morning show");
    EXPECT_EQ(ScheduledCopyStem(L"show.wav.mp3"), L"show.wav");
    EXPECT_EQ(ScheduledCopyStem(L"Vol. 2"), L"Vol. 2");
    EXPECT_EQ(ScheduledCopyStem(L".wav"), L".wav") << "a name of the extension alone stays a name";
    EXPECT_EQ(ScheduledCopyStem(L"Morning show.wav") + std::wstring(TrackExtension(StreamAudio::Aac)),
              L"Morning show.aac");
}

}  // namespace
