#include "host/stream_tap.h"

StreamTap::FeedId StreamTap::BeginFeed() {
    std::lock_guard lock(lock_);
    CloseCurrent();
    current_ = ++lastFeed_;
    return current_;
}

void StreamTap::Audio(FeedId feed, StreamAudio audio) {
    std::lock_guard lock(lock_);
    if (!IsCurrent(feed)) return;
    audio_ = audio;
    if (sink_) sink_->OnAudio(audio);
}

void StreamTap::Title(FeedId feed, const std::wstring& title) {
    std::lock_guard lock(lock_);
    if (!IsCurrent(feed)) return;
    title_ = title;
    if (sink_) sink_->OnTitle(title);
}

void StreamTap::Frame(FeedId feed, std::string_view frame) {
    std::lock_guard lock(lock_);
    if (!IsCurrent(feed)) return;
    live_ = true;
    broken_ = false;
    if (sink_) sink_->OnFrame(frame);
}

void StreamTap::Break(FeedId feed) {
    std::lock_guard lock(lock_);
    if (!IsCurrent(feed) || broken_) return;
    broken_ = true;
    if (sink_) sink_->OnStreamEnded();
}

void StreamTap::EndFeed(FeedId feed) {
    std::lock_guard lock(lock_);
    if (!IsCurrent(feed)) return;
    CloseCurrent();
    current_ = 0;
}

void StreamTap::CloseCurrent() {
    if (current_ != 0 && sink_ && !broken_) sink_->OnStreamEnded();
    live_ = false;
    audio_.reset();
    broken_ = true;
    title_.reset();
}

bool StreamTap::IsLive() const {
    std::lock_guard lock(lock_);
    return live_;
}

void StreamTap::Attach(StreamCopySink& sink) {
    std::lock_guard lock(lock_);
    sink_ = &sink;
    if (audio_) sink.OnAudio(*audio_);
    if (title_) sink.OnTitle(*title_);
}

void StreamTap::Detach() {
    std::lock_guard lock(lock_);
    sink_ = nullptr;
}
