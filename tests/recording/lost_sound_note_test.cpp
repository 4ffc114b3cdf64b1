#include "recording/recorder/lost_sound_note.h"

#include <gtest/gtest.h>

namespace {

TEST(LostSoundNote, SaysHowLongAndInHowManyPlacesOrNothing) {
    EXPECT_EQ(LostSoundNote({}, 176400), L"");
    EXPECT_EQ(LostSoundNote({176400 * 2 + 17640, 1}, 176400),
              L"Last recording: 2.1 s of sound lost in 1 place, kept as silence");
    EXPECT_EQ(LostSoundNote({8820, 3}, 176400),
              L"Last recording: 0.1 s of sound lost in 3 places, kept as silence");
}

}  // namespace
