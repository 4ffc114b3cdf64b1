#pragma once
// The recorder's source "Radio stream (exact copy)": while it records, the
// station's stream goes from the tap into files a track each (or into a
// scheduled recording's one file) exactly as the station sent it. Works
// whatever the player's volume and without any capture device.
//
// The tap calls on the engine's network thread, which must never wait for
// the disk; so the stream's events only queue there, and the recorder's
// writer thread makes and writes the files. User-interface thread.

#include "common/ports/clock.h"
#include "host/stream_tap.h"
#include "recording/copy/track_files.h"
#include "recording/files/writer_thread.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// What the channel and format choices say while the copy is the source.
inline constexpr wchar_t kAsSentText[] = L"As sent";

class TrackRecorder;

class StreamCopy {
public:
    StreamCopy(StreamTap& tap, TrackFiles& files, const Clock& clock);
    ~StreamCopy();
    StreamCopy(const StreamCopy&) = delete;
    StreamCopy& operator=(const StreamCopy&) = delete;

    // Copies into `folder` a file per track, or into the one file at
    // `fixedStem` with the extension of what the station sends.
    // `onFailed` comes on the writer thread when a file could not be made or
    // written (a full disk); the copy then writes nothing more and should be
    // stopped. False when the writer thread cannot start.
    bool Start(const std::wstring& folder, std::optional<std::wstring> fixedStem,
               std::wstring station, std::function<void()> onFailed);
    // Writes what is queued and ends the file being written; nothing is
    // copied after it returns.
    void Stop();
    bool IsRunning() const { return writer_ != nullptr; }
    void SetStation(std::wstring name);

private:
    class Feed;

    StreamTap& tap_;
    TrackFiles& files_;
    const Clock& clock_;
    TrackRecorder* recorder_ = nullptr;  // owned by the writer thread's sink
    std::unique_ptr<WriterThread> writer_;
    std::unique_ptr<Feed> feed_;
};
