#include "playback/radio/radio_engine.h"

#include "common/helpers/contained_call.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr UINT kSessionEvents = WM_APP + 1;
constexpr UINT_PTR kSubclassId = 1;
constexpr int kDefaultVolume = 50;

}  // namespace

RadioEngine::RadioEngine(MediaPlayerEvents& events, HandOver handOver)
    : events_(events),
      handOver_(std::move(handOver)),
      volume_(std::make_shared<std::atomic<int>>(kDefaultVolume)) {
    window_ = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                              nullptr);
    if (window_)
        SetWindowSubclass(window_, WindowProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

RadioEngine::~RadioEngine() {
    EndSession();
    if (window_) {
        RemoveWindowSubclass(window_, WindowProc, kSubclassId);
        DestroyWindow(window_);
    }
}

void RadioEngine::SetUrl(const std::wstring& url) {
    EndSession();
    url_ = url;
    if (!url_.empty()) StartSession();
}

void RadioEngine::Stop() {
    if (EndSession()) {
        ownEvents_.push_back({RadioEvent::Kind::PlayState, MediaPlayState::kStopped});
        PostMessageW(window_, kSessionEvents, 0, 0);
    }
}

void RadioEngine::Play() {
    if (url_.empty() || session_) return;
    StartSession();
}

void RadioEngine::SetVolume(int volume) { volume_->store(std::clamp(volume, 0, 100)); }

void RadioEngine::StartSession() {
    session_ = std::make_shared<RadioSession>(url_, window_, kSessionEvents, volume_);
    if (!session_->Start()) session_.reset();
}

bool RadioEngine::EndSession() {
    if (!session_) return false;
    // Never waited for: a playing session silences itself at once, and one
    // still waiting on the network ends by itself at its time-out. What it
    // reports meanwhile is never read.
    session_->RequestStop();
    session_.reset();
    return true;
}

LRESULT CALLBACK RadioEngine::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR engine) {
    if (message == kSessionEvents) {
        RanContained([engine] { reinterpret_cast<RadioEngine*>(engine)->DeliverEvents(); });
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void RadioEngine::DeliverEvents() {
    std::vector<RadioEvent> events = std::exchange(ownEvents_, {});
    if (session_) {
        for (RadioEvent& event : session_->TakeEvents()) events.push_back(std::move(event));
    }
    for (const RadioEvent& event : events) Deliver(event);
}

void RadioEngine::Deliver(const RadioEvent& event) {
    switch (event.kind) {
        case RadioEvent::Kind::OpenState:
            events_.OnOpenStateChange(event.state);
            break;
        case RadioEvent::Kind::PlayState:
            if (event.state == MediaPlayState::kEnded) session_.reset();
            events_.OnPlayStateChange(event.state);
            break;
        case RadioEvent::Kind::Title:
            events_.OnStreamTitle(event.text);
            break;
        case RadioEvent::Kind::Reconnecting:
            events_.OnReconnecting();
            break;
        case RadioEvent::Kind::Refused:
            session_.reset();
            events_.OnSecureConnectionRefused(static_cast<SecureConnectionProblem>(event.state));
            break;
        case RadioEvent::Kind::HandOver:
            session_.reset();
            if (handOver_) handOver_(event.text);
            break;
    }
}
