#include "recording/scheduler/queued_recording.h"

const wchar_t* StatusText(RecordingStatus status) {
    switch (status) {
    case RecordingStatus::Done: return L"Done";
    case RecordingStatus::Waiting: return L"Waiting";
    case RecordingStatus::Recording: return L"Recording";
    }
    return L"";
}
