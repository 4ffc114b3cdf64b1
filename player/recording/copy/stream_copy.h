#pragma once
// The recorder's source "Radio stream (exact copy)": while it records, the
// station's stream goes from the tap into files a track each (or into a
// scheduled recording's one file) exactly as the station sent it. Works
// whatever the player's volume and without any capture device.
// User-interface thread; the copying itself runs on the tap's thread.

#include "common/ports/clock.h"
#include "host/stream_tap.h"
#include "recording/copy/track_files.h"
#include "recording/copy/track_recorder.h"

#include <functional>
#include <optional>
#include <string>

// What the channel and format choices say while the copy is the source.
inline constexpr wchar_t kAsSentText[] = L"As sent";

class StreamCopy {
public:
    StreamCopy(StreamTap& tap, TrackFiles& files, const Clock& clock)
        : tap_(tap), files_(files), clock_(clock) {}
    ~StreamCopy() { Stop(); }
    StreamCopy(const StreamCopy&) = delete;
    StreamCopy& operator=(const StreamCopy&) = delete;

    // Copies into `folder` a file per track, or into `fixedPath` alone.
    // `onFailed` comes on the tap's thread when a write failed (a full
    // disk); the copy then writes nothing more and should be stopped.
    void Start(const std::wstring& folder, std::optional<std::wstring> fixedPath,
               std::wstring station, std::function<void()> onFailed);
    // Ends the file being written; nothing is copied after it returns.
    void Stop();
    bool IsRunning() const { return recorder_.has_value(); }
    void SetStation(std::wstring name);

private:
    StreamTap& tap_;
    TrackFiles& files_;
    const Clock& clock_;
    std::optional<TrackRecorder> recorder_;
};
