#pragma once
// One scheduled recording of the scheduler's queue.

#include "common/ports/clock.h"

#include <string>

enum class RecordingFormat { Mp3 = 0, Wav = 1 };

// The numbers are the order of the status column's words.
enum class RecordingStatus { Done = 0, Waiting = 1, Recording = 2 };

struct QueuedRecording {
    // Given by the queue; a request or a report names its entry by it, so it
    // stays meaningful after the entry has been deleted.
    unsigned id = 0;
    std::wstring station;
    std::wstring banner;
    std::wstring homepage;
    std::wstring streamlink;
    std::wstring name;  // file name in the recordings folder, with ".mp3" or ".wav"
    LocalTime start;    // to the minute
    LocalTime end;
    RecordingFormat format = RecordingFormat::Mp3;
    RecordingStatus status = RecordingStatus::Waiting;
};

// "Done", "Waiting" or "Recording", as the queue list shows it.
const wchar_t* StatusText(RecordingStatus status);
