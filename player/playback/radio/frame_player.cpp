#include "playback/radio/frame_player.h"

#include "common/helpers/contained_call.h"
#include "playback/radio/sample_volume.h"

#include <objbase.h>

#include <utility>

namespace {

// Waits for the first of `handles`; true when it was the first one.
template <std::size_t N>
bool FirstSignalled(const HANDLE (&handles)[N]) {
    return WaitForMultipleObjects(N, handles, FALSE, INFINITE) == WAIT_OBJECT_0;
}

}  // namespace

FramePlayer::FramePlayer(std::unique_ptr<AudioDecoder> decoder,
                         std::shared_ptr<std::atomic<int>> volume, HANDLE stop)
    : frames_(decoder->Frames()),
      decoder_(std::move(decoder)),
      volume_(std::move(volume)),
      stop_(stop),
      framesQueued_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      roomMade_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      quit_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      output_({stop, quit_.Get()}),
      sink_([this](const PcmFormat& format, const std::int16_t* samples, std::size_t count) {
          return TakeSamples(format, samples, count);
      }) {}

FramePlayer::~FramePlayer() {
    if (!thread_) return;
    SetEvent(quit_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
}

bool FramePlayer::Start() {
    if (!framesQueued_ || !roomMade_ || !quit_) return false;
    thread_ = ScopedHandle(CreateThread(nullptr, 0, ThreadEntry, this, 0, nullptr));
    return static_cast<bool>(thread_);
}

bool FramePlayer::Add(std::string_view frame) {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (state_ == State::Failed || state_ == State::NotAudio) return false;
            // A frame larger than the whole queue still gets through alone.
            const bool wasEmpty = queue_.empty();
            if (wasEmpty || queuedBytes_ + frame.size() <= kMaxQueuedBytes) {
                queue_.emplace_back(frame);
                queuedBytes_ += frame.size();
                // The player waits only on an empty queue. Under Wine each
                // signal is a round trip to its server, so a frame that
                // joins others is not announced.
                if (wasEmpty) SetEvent(framesQueued_.Get());
                return true;
            }
            readerWaits_ = true;
        }
        if (!FirstSignalled({roomMade_.Get(), stop_, thread_.Get()})) return false;
    }
}

bool FramePlayer::PlayOut() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    SetEvent(framesQueued_.Get());
    return FirstSignalled({thread_.Get(), stop_}) && Now() != State::Failed;
}

FramePlayer::State FramePlayer::Now() const {
    std::lock_guard lock(mutex_);
    return state_;
}

DWORD WINAPI FramePlayer::ThreadEntry(void* parameter) {
    auto* self = static_cast<FramePlayer*>(parameter);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (!RanContained([&] { self->Run(); })) self->SetState(State::Failed);
    // The decoder's system objects go with the thread that made them.
    RanContained([&] { self->decoder_.reset(); });
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

void FramePlayer::Run() {
    PlayQueue();
    // Whatever ended the playing, the device falls silent at once rather
    // than when the reading thread lets the player go.
    output_.Close();
}

void FramePlayer::PlayQueue() {
    std::string frame;
    bool playing = false;
    while (TakeNext(frame)) {
        if (!Play(frame)) return SetState(State::Failed);
        if (!playing && output_.Playing()) {
            playing = true;
            SetState(State::Playing);
        }
        if (!playing && (silentBytes_ += frame.size()) > kMaxSilentBytes)
            return SetState(State::NotAudio);
    }
    bool ending = false;
    {
        std::lock_guard lock(mutex_);
        ending = ending_;
    }
    if (ending && !output_.Finish()) SetState(State::Failed);
}

bool FramePlayer::TakeNext(std::string& frame) {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (!queue_.empty()) {
                frame = std::move(queue_.front());
                queue_.pop_front();
                queuedBytes_ -= frame.size();
                if (std::exchange(readerWaits_, false)) SetEvent(roomMade_.Get());
                return true;
            }
            if (ending_) return false;
        }
        if (!FirstSignalled({framesQueued_.Get(), stop_, quit_.Get()})) return false;
    }
}

bool FramePlayer::Play(std::string_view frame) { return decoder_->Decode(frame, sink_) && WriteOut(); }

bool FramePlayer::TakeSamples(const PcmFormat& format, const std::int16_t* samples,
                              std::size_t count) {
    if (format != outputFormat_) {
        // What was decoded in the old format is played in it, to its end.
        if (!WriteOut() || !output_.Finish() || !output_.Open(format.sampleRate, format.channels))
            return false;
        outputFormat_ = format;
    }
    pcm_.insert(pcm_.end(), samples, samples + count);
    return true;
}

bool FramePlayer::WriteOut() {
    ScaleSamples(pcm_.data(), pcm_.size(), volume_->load());
    const bool written = pcm_.empty() || output_.Write(pcm_.data(), pcm_.size());
    pcm_.clear();
    return written;
}

void FramePlayer::SetState(State state) {
    std::lock_guard lock(mutex_);
    state_ = state;
}
