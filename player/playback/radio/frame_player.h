#pragma once
// Decodes and plays a radio stream's frames on a thread of its own. The
// thread that reads the station hands each frame over and reads on, so a
// sound device that stalls on a busy machine, or a slow decoder, holds up
// only the sound: the titles and the copy of the stream keep the station's
// pace, and the frames wait here instead of in the network's buffers.
//
// What waits is bounded. A reader that gets that far ahead (a server that
// sends faster than the sound plays, as for a file) waits for room, as it
// waited for the device before.
//
// Threads: the reading thread makes the player and calls its members; the
// player's own thread decodes and plays.

#include "common/helpers/scoped_handle.h"
#include "playback/radio/audio_decoder.h"
#include "playback/radio/wave_output.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class FramePlayer {
public:
    // About 30 s of a 128 kbit/s station: the sound may fall that far behind
    // the station before the reading waits for it.
    static constexpr std::size_t kMaxQueuedBytes = 512 * 1024;
    // Frames that give no sound in this much are not audio the decoder
    // knows, whatever the server called them.
    static constexpr std::size_t kMaxSilentBytes = 256 * 1024;

    enum class State {
        Starting,  // no sound yet
        Playing,   // the device plays
        Failed,    // the decoder or the device failed; nothing more plays
        NotAudio,  // so many bytes decoded to no sound that they are not audio
    };

    // Stops at once, silencing the device, when `stop` is signalled.
    FramePlayer(std::unique_ptr<AudioDecoder> decoder, std::shared_ptr<std::atomic<int>> volume,
                HANDLE stop);
    // Silences the device and ends the thread.
    ~FramePlayer();
    FramePlayer(const FramePlayer&) = delete;
    FramePlayer& operator=(const FramePlayer&) = delete;

    bool Start();
    const FrameSyntax& Frames() const { return frames_; }
    // Queues a copy of the frame, waiting while the queue is full. False when
    // `stop` came first or the player no longer plays.
    bool Add(std::string_view frame);
    // Plays what is queued to its end, as when the stream ends; false as for Add.
    bool PlayOut();
    State Now() const;

private:
    static DWORD WINAPI ThreadEntry(void* parameter);
    void Run();
    // Plays frames until the queue is played out, the player is told to
    // end, or it fails.
    void PlayQueue();
    // The next frame to play; false once the queue is played out or the
    // player is told to end.
    bool TakeNext(std::string& frame);
    // Decodes one frame and plays what it gives.
    bool Play(std::string_view frame);
    bool TakeSamples(const PcmFormat& format, const std::int16_t* samples, std::size_t count);
    // Scales the decoded samples to the volume and queues them on the device.
    bool WriteOut();
    void SetState(State state);

    const FrameSyntax& frames_;
    std::unique_ptr<AudioDecoder> decoder_;  // used and let go on the player's thread
    const std::shared_ptr<std::atomic<int>> volume_;
    const HANDLE stop_;
    ScopedHandle framesQueued_;  // auto-reset
    ScopedHandle roomMade_;      // auto-reset
    ScopedHandle quit_;          // manual-reset: the owner lets go
    ScopedHandle thread_;

    mutable std::mutex mutex_;
    std::deque<std::string> queue_;  // oldest first
    std::size_t queuedBytes_ = 0;
    bool ending_ = false;       // play what is queued, then end
    bool readerWaits_ = false;  // for room in a full queue
    State state_ = State::Starting;

    // Player thread only.
    WaveOutput output_;
    const PcmSink sink_;
    PcmFormat outputFormat_;
    std::vector<std::int16_t> pcm_;
    std::size_t silentBytes_ = 0;
};
