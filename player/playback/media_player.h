#pragma once
// The media component as the playback controller needs it: give it a stream
// or a file and it starts by itself, stop it, play it again, set its volume,
// and hear back how opening and playing go. The product plays through the
// system's media player control; unit tests use a fake.

#include "directory/secure_connection_problem.h"

#include <string>

// The states are reported with the media player control's own numbers, which
// the status texts are keyed on.
namespace MediaOpenState {
inline constexpr int kLocating = 9;
inline constexpr int kConnecting = 10;
inline constexpr int kOpening = 12;
}  // namespace MediaOpenState

namespace MediaPlayState {
inline constexpr int kStopped = 1;
inline constexpr int kPlaying = 3;
inline constexpr int kBuffering = 6;
inline constexpr int kEnded = 8;
inline constexpr int kReady = 10;
}  // namespace MediaPlayState

// Called on the user-interface thread.
class MediaPlayerEvents {
public:
    virtual void OnOpenStateChange(int state) = 0;
    virtual void OnPlayStateChange(int state) = 0;
    virtual void OnEndOfStream() = 0;
    // Internet radio tells more than the control does: the title the station
    // announces in its stream, and that a dropped stream is being
    // reconnected (the play states follow once it plays again).
    virtual void OnStreamTitle(const std::wstring& title) { static_cast<void>(title); }
    virtual void OnReconnecting() {}
    // An https stream was refused (and nothing plays): its certificate failed
    // the system's checks, or the connection was not secure.
    virtual void OnSecureConnectionRefused(SecureConnectionProblem problem) {
        static_cast<void>(problem);
    }

protected:
    ~MediaPlayerEvents() = default;
};

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Opens and starts the stream or file; an empty text closes what plays.
    virtual void SetUrl(const std::wstring& url) = 0;
    // Empty when nothing was set.
    virtual std::wstring Url() const = 0;
    // Halts playback and keeps the URL.
    virtual void Stop() = 0;
    // Starts the current URL.
    virtual void Play() = 0;
    // 0-100, the volume slider's scale.
    virtual int Volume() const = 0;
    virtual void SetVolume(int volume) = 0;
};
