#pragma once
// The player's own engine for internet radio in MP3 and AAC behind the media
// player port: it connects with WinInet, reads PLS and M3U playlists, takes
// the ICY titles out of the stream, decodes with the system's MP3 or AAC
// decoder, plays through waveOut and reconnects a dropped stream by itself. Each address
// runs as a RadioSession on a thread of its own; the engine lives on the
// user-interface thread and calls its events there.
//
// A stream it finds is neither (or cannot reach at all) is handed over
// through `handOver`, so that the media player control can try it.

#include "playback/media_player.h"
#include "playback/radio/radio_session.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class RadioEngine : public MediaPlayer {
public:
    using HandOver = std::function<void(const std::wstring& url)>;

    RadioEngine(MediaPlayerEvents& events, HandOver handOver);
    ~RadioEngine() override;
    RadioEngine(const RadioEngine&) = delete;
    RadioEngine& operator=(const RadioEngine&) = delete;

    void SetUrl(const std::wstring& url) override;
    std::wstring Url() const override { return url_; }
    void Stop() override;
    void Play() override;
    int Volume() const override { return volume_->load(); }
    void SetVolume(int volume) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR engine);
    void StartSession();
    // Lets the session go without waiting for it; true when one was running.
    bool EndSession();
    void DeliverEvents();
    void Deliver(const RadioEvent& event);

    MediaPlayerEvents& events_;
    HandOver handOver_;
    HWND window_ = nullptr;  // owned: a message-only window the sessions post to
    std::wstring url_;
    std::shared_ptr<std::atomic<int>> volume_;
    std::shared_ptr<RadioSession> session_;
    std::vector<RadioEvent> ownEvents_;  // the engine's own, delivered like the session's
};
