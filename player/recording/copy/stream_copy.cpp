#include "recording/copy/stream_copy.h"

#include "recording/copy/track_recorder.h"

#include <cstring>

namespace {

// More than 30 s of the richest MP3 stream (320 kbit/s).
constexpr std::size_t kQueueBytes = 2 * 1024 * 1024;

// The stream's events as the writer thread carries them: one block each, a
// kind byte and what goes with it.
enum class Record : std::uint8_t { Title, Frame, End };

std::string_view TitleBytes(const std::wstring& title) {
    return {reinterpret_cast<const char*>(title.data()), title.size() * sizeof(wchar_t)};
}

// On the writer thread: each record to the track recorder.
class RecordWriter : public SampleWriter {
public:
    explicit RecordWriter(std::unique_ptr<TrackRecorder> recorder)
        : recorder_(std::move(recorder)) {}

    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        if (length == 0) return true;
        const std::string_view payload(reinterpret_cast<const char*>(bytes) + 1, length - 1);
        switch (static_cast<Record>(bytes[0])) {
        case Record::Title: {
            std::wstring title(payload.size() / sizeof(wchar_t), L'\0');
            std::memcpy(title.data(), payload.data(), title.size() * sizeof(wchar_t));
            recorder_->OnTitle(title);
            break;
        }
        case Record::Frame: recorder_->OnFrame(payload); break;
        case Record::End: recorder_->OnStreamEnded(); break;
        }
        return !recorder_->Failed();
    }
    bool Exhausted() const override { return recorder_->Failed(); }
    void Close() override { recorder_->Finish(); }

private:
    std::unique_ptr<TrackRecorder> recorder_;
};

}  // namespace

// On the tap's thread: queues the stream's events for the writer thread.
class StreamCopy::Feed final : public StreamCopySink {
public:
    explicit Feed(WriterThread& writer) : writer_(writer) {}

    void OnTitle(const std::wstring& title) override {
        title_ = title;
        Queue(Record::Title, TitleBytes(title));
    }
    void OnFrame(std::string_view frame) override { Queue(Record::Frame, frame); }
    void OnStreamEnded() override { Queue(Record::End, {}); }

private:
    // A full queue (the disk has stood still for half a minute) loses what
    // it refuses. The file then ends at the gap, so that none holds one, and
    // the copy goes on in another once the queue takes records again.
    void Queue(Record kind, std::string_view payload) {
        if (gap_) {
            if (!Push(Record::End, {})) return;
            if (title_ && !Push(Record::Title, TitleBytes(*title_))) return;
            gap_ = false;
        }
        gap_ = !Push(kind, payload);
    }

    bool Push(Record kind, std::string_view payload) {
        record_.assign(1, static_cast<char>(kind));
        record_.append(payload);
        return writer_.Push(reinterpret_cast<const std::uint8_t*>(record_.data()), record_.size());
    }

    WriterThread& writer_;
    std::optional<std::wstring> title_;
    bool gap_ = false;
    std::string record_;  // reused, so a frame costs no allocation
};

StreamCopy::StreamCopy(StreamTap& tap, TrackFiles& files, const Clock& clock)
    : tap_(tap), files_(files), clock_(clock) {}

StreamCopy::~StreamCopy() { Stop(); }

bool StreamCopy::Start(const std::wstring& folder, std::optional<std::wstring> fixedPath,
                       std::wstring station, std::function<void()> onFailed) {
    Stop();
    auto recorder = std::make_unique<TrackRecorder>(files_, clock_, folder, std::move(fixedPath));
    recorder->SetStation(std::move(station));
    recorder_ = recorder.get();
    writer_ = std::make_unique<WriterThread>(std::make_unique<RecordWriter>(std::move(recorder)),
                                             kQueueBytes, std::move(onFailed));
    if (!writer_->Start()) {
        writer_.reset();
        recorder_ = nullptr;
        return false;
    }
    feed_ = std::make_unique<Feed>(*writer_);
    tap_.Attach(*feed_);
    return true;
}

void StreamCopy::Stop() {
    if (!writer_) return;
    tap_.Detach();
    writer_->Finish();
    writer_.reset();
    feed_.reset();
    recorder_ = nullptr;
}

void StreamCopy::SetStation(std::wstring name) {
    if (recorder_) recorder_->SetStation(std::move(name));
}
