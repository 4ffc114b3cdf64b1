#pragma once
// What the recorder asks of the main window: its record indicator, the
// embedded player for listening to recordings, and the station's stream for
// an exact copy.

#include "host/stream_tap.h"

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
    // What the radio engine plays, frame by frame; it outlives the recorder.
    virtual StreamTap& StationStream() = 0;
    // The media player control, not the engine, plays the station: there is
    // no stream to copy.
    virtual bool MediaPlayerControlPlaysStation() const = 0;
    virtual std::wstring StationName() const = 0;
};
