#include "recording/recorder/last_recording_note.h"

#include <gtest/gtest.h>

namespace {

TEST(LastRecordingNote, SaysHowLongAndInHowManyPlacesOrNothing) {
    EXPECT_EQ(LastRecordingNote({}, 176400), L"");
    EXPECT_EQ(LastRecordingNote({176400 * 2 + 17640, 1}, 176400),
              L"Last recording: 2.1 s of sound lost in 1 place, kept as silence");
    EXPECT_EQ(LastRecordingNote({8820, 3}, 176400),
              L"Last recording: 0.1 s of sound lost in 3 places, kept as silence");
}

// Whatever it lost, a recording that ended by itself says why, short enough
// for the title bar.
TEST(LastRecordingNote, ARecordingThatEndedByItselfSaysWhyAndWhatItLost) {
    const std::wstring stalled =
        LastRecordingNote({176400 * 2, 1}, 176400, CaptureEnd::DeviceStalled);
    EXPECT_EQ(stalled, L"Last recording stopped: the sound card stood still for 2 s; 2.0 s lost");
    EXPECT_EQ(LastRecordingNote({}, 0, CaptureEnd::WriterExhausted),
              L"Last recording stopped: its file took no more sound");
    EXPECT_LE(stalled.size(), 70u) << "too long for the title bar: " << stalled.size();
}

}  // namespace
