#include "playback/radio/radio_session.h"

#include "common/helpers/contained_call.h"
#include "directory/secure_connection_problem_wininet.h"

#include "playback/media_player.h"
#include "playback/radio/aac_decoder_mf.h"
#include "playback/radio/frame_player.h"
#include "playback/radio/icy_demuxer.h"
#include "playback/radio/mp3_decoder_acm.h"
#include "playback/radio/playlist.h"
#include "playback/radio/stream_connection_wininet.h"
#include "playback/radio/stream_frames.h"

#include <objbase.h>

namespace {

// Enough of the body to tell MP3 and AAC from anything else by its bytes.
constexpr std::size_t kSniffBytes = 4096;
// Room for three frames of low-rate MP3 or AAC.
constexpr std::size_t kFirstLookBytes = 512;
// More than the player can hold and judge: a stream read this far without a
// sound has no frames the decoder takes.
constexpr std::size_t kMaxBytesBeforeSound =
    FramePlayer::kMaxQueuedBytes + FramePlayer::kMaxSilentBytes;

std::chrono::milliseconds SteadyNow() { return std::chrono::milliseconds(GetTickCount64()); }

// The audio in the first bytes of a stream, without its metadata blocks.
std::string AudioOf(const StreamAnswer& answer, std::string_view bytes) {
    std::string audio;
    const auto onAudio = [&](std::string_view part) { audio += part; };
    IcyDemuxer(answer.metaInterval).Feed(bytes, onAudio, [](std::string_view) {});
    return audio;
}

// Reads the start of the body: until frames in a row tell its format, the
// body ends, or kSniffBytes have come. Some servers' bytes come a few at a
// time, so the frames are looked for only each time the bytes double.
std::string ReadStartOfBody(StreamConnection& connection) {
    std::string first;
    std::string more;
    std::size_t nextLook = kFirstLookBytes;
    while (first.size() < kSniffBytes && connection.Read(more, kSniffBytes - first.size())) {
        first += more;
        if (first.size() < nextLook) continue;
        if (SniffAudio(AudioOf(connection.Answer(), first))) break;
        nextLook = first.size() * 2;
    }
    return first;
}

std::unique_ptr<AudioDecoder> DecoderFor(StreamKind kind) {
    if (kind == StreamKind::Aac) return std::make_unique<AacDecoder>();
    return std::make_unique<Mp3Decoder>();
}

}  // namespace

RadioSession::RadioSession(std::wstring url, HWND notify, UINT message,
                           std::shared_ptr<std::atomic<int>> volume,
                           std::shared_ptr<StreamTap> tap, StreamTap::FeedId feed)
    : url_(std::move(url)),
      notify_(notify),
      message_(message),
      volume_(std::move(volume)),
      tap_(std::move(tap)),
      feed_(feed),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool RadioSession::Start() {
    if (!stop_) return false;
    // The thread keeps the session alive until it ends, so a session the
    // engine let go of while it waited on the network ends by itself.
    auto* self = new std::shared_ptr<RadioSession>(shared_from_this());
    thread_ = ScopedHandle(CreateThread(nullptr, 0, ThreadEntry, self, 0, nullptr));
    if (!thread_) {
        delete self;
        return false;
    }
    return true;
}

void RadioSession::RequestStop() { SetEvent(stop_.Get()); }

std::vector<RadioEvent> RadioSession::TakeEvents() {
    std::lock_guard lock(eventsLock_);
    return std::exchange(events_, {});
}

DWORD WINAPI RadioSession::ThreadEntry(void* parameter) {
    const std::unique_ptr<std::shared_ptr<RadioSession>> self(
        static_cast<std::shared_ptr<RadioSession>*>(parameter));
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    // A session that broke down ends as a stream whose server went away.
    if (!RanContained([&] { (*self)->Run(); })) {
        RanContained([&] { (*self)->Report({RadioEvent::Kind::PlayState, MediaPlayState::kEnded}); });
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

void RadioSession::Report(RadioEvent event) {
    {
        std::lock_guard lock(eventsLock_);
        events_.push_back(std::move(event));
    }
    PostMessageW(notify_, message_, 0, 0);
}

void RadioSession::ReportRefusal() {
    Report({RadioEvent::Kind::Refused, static_cast<int>(*refusal_)});
}

bool RadioSession::Stopping() const { return WaitForSingleObject(stop_.Get(), 0) == WAIT_OBJECT_0; }

bool RadioSession::WaitOrStop(std::chrono::milliseconds pause) const {
    return WaitForSingleObject(stop_.Get(), static_cast<DWORD>(pause.count())) == WAIT_TIMEOUT;
}

void RadioSession::Run() {
    Report({RadioEvent::Kind::OpenState, MediaOpenState::kLocating});
    std::vector<std::wstring> entries{url_};
    std::size_t next = 0;
    bool listRead = false;
    for (;;) {
        const std::wstring entry = entries[next];
        std::vector<std::wstring> listed;
        Outcome outcome = TryEntry(entry, listed);
        if (outcome == Outcome::Stopped || Stopping()) return;
        // Playlists do not name playlists; one that does is not followed.
        if (outcome == Outcome::Playlist && !listRead) {
            entries = std::move(listed);
            next = 0;
            listRead = true;
            continue;
        }
        if (!hasPlayed_) {
            // Until it has played, the engine only finds out whether the
            // stream is its own; anything it cannot play goes to the control.
            if (outcome == Outcome::NotOurs) return Report({RadioEvent::Kind::HandOver, 0, entry});
            if (++next < entries.size()) continue;
            // A station whose https address was refused is not handed over:
            // the control has checks of its own, or none, and the user is
            // to learn why it stays silent.
            if (refusal_) return ReportRefusal();
            return Report({RadioEvent::Kind::HandOver, 0, url_});
        }
        // A server that played and now fails the checks is not reconnected to.
        if (outcome == Outcome::Refused) return ReportRefusal();
        Report({RadioEvent::Kind::Reconnecting});
        const auto pause = schedule_.NextPause(SteadyNow());
        if (!pause) return Report({RadioEvent::Kind::PlayState, MediaPlayState::kEnded});
        if (!WaitOrStop(*pause)) return;
        next = (next + 1) % entries.size();
    }
}

// Connects to one address and plays it; a playlist's entries are read into
// `listed`.
RadioSession::Outcome RadioSession::TryEntry(const std::wstring& url,
                                             std::vector<std::wstring>& listed) {
    if (!hasPlayed_) Report({RadioEvent::Kind::OpenState, MediaOpenState::kConnecting});
    DWORD error = 0;
    auto connection = StreamConnection::Open(url, error);
    if (Stopping()) return Outcome::Stopped;
    if (const auto problem = SecureConnectionProblemOf(error)) {
        refusal_ = problem;
        return Outcome::Refused;
    }
    if (!connection || connection->Answer().status != 200) return Outcome::Failed;
    if (!hasPlayed_) Report({RadioEvent::Kind::OpenState, MediaOpenState::kOpening});

    std::string first = ReadStartOfBody(*connection);
    if (Stopping()) return Outcome::Stopped;
    if (first.empty()) return Outcome::Failed;
    const StreamKind kind =
        KindOfStream(connection->Answer(), url, AudioOf(connection->Answer(), first));
    switch (kind) {
        case StreamKind::Mp3:
        case StreamKind::Aac:
            return Play(*connection, std::move(first), kind);
        case StreamKind::Other:
            return Outcome::NotOurs;
        case StreamKind::Playlist:
            break;
    }
    std::string text = first;
    std::string more;
    while (text.size() <= kMaxPlaylistBytes && connection->Read(more)) text += more;
    listed = ReadPlaylist(PlaylistFormatOf(connection->Answer(), url), text);
    return listed.empty() ? Outcome::Failed : Outcome::Playlist;
}

RadioSession::Outcome RadioSession::Play(StreamConnection& connection, std::string bytes,
                                         StreamKind kind) {
    if (!hasPlayed_) Report({RadioEvent::Kind::PlayState, MediaPlayState::kBuffering});
    const Outcome outcome = PlayFrames(connection, std::move(bytes), kind);
    // The copy of the stream ends here whatever follows: a reconnect starts
    // another stretch of it.
    tap_->Break(feed_);
    return outcome;
}

RadioSession::Outcome RadioSession::PlayFrames(StreamConnection& connection, std::string bytes,
                                               StreamKind kind) {
    FramePlayer player(DecoderFor(kind), volume_, stop_.Get());
    if (!player.Start()) return Outcome::Failed;
    StreamFrameReader reader(connection.Answer().metaInterval, player.Frames());
    tap_->Audio(feed_, kind == StreamKind::Aac ? StreamAudio::Aac : StreamAudio::Mp3);
    bool playing = false;
    std::size_t bytesBeforeSound = 0;
    const auto ended = [&] {
        if (Stopping()) return Outcome::Stopped;
        if (player.Now() == FramePlayer::State::NotAudio) return Outcome::NotOurs;
        return playing ? Outcome::Dropped : Outcome::Failed;
    };
    do {
        if (!playing && (bytesBeforeSound += bytes.size()) > kMaxBytesBeforeSound)
            return Outcome::NotOurs;
        reader.Feed(bytes);
        while (auto item = reader.Next()) {
            if (item->title) {
                NoteTitle(*item->title);
                continue;
            }
            // The copy takes the frame as sent, whatever the volume.
            tap_->Frame(feed_, item->frame);
            if (!player.Add(item->frame)) return ended();
        }
        if (!playing && player.Now() == FramePlayer::State::Playing) {
            playing = true;
            hasPlayed_ = true;
            schedule_.Reset();
            Report({RadioEvent::Kind::PlayState, MediaPlayState::kPlaying});
        }
        if (Stopping()) return Outcome::Stopped;
    } while (connection.Read(bytes));
    // What came before the stream ended is heard before it reconnects.
    player.PlayOut();
    return ended();
}

void RadioSession::NoteTitle(const std::wstring& title) {
    if (title == title_) return;
    title_ = title;
    tap_->Title(feed_, title_);
    Report({RadioEvent::Kind::Title, 0, title_});
}
