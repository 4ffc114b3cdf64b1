#pragma once
// What the recorder asks of the main window: its record indicator, and the
// embedded player for listening to recordings.

#include <string>

class RecorderHost {
public:
    virtual ~RecorderHost() = default;
    // After every start (true) and stop (false) of a recording.
    virtual void NotifyRecordingState(bool recording, bool scheduled) = 0;
    virtual void PlayRecordingFile(const std::wstring& path) = 0;
    virtual void StopRecordingPlayback() = 0;
    // The file is about to be deleted: the player must let go of it.
    virtual void ReleaseRecordingFile(const std::wstring& path) = 0;
    // A scheduled recording (the scheduler's entry id) recorded nothing: its
    // file appeared meanwhile, no writer opened, or capture would not start.
    virtual void ScheduledRecordingFailed(unsigned id) = 0;
};
