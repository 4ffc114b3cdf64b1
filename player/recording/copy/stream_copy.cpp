#include "recording/copy/stream_copy.h"

#include "recording/copy/track_recorder.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// More than 30 s of the richest stream (320 kbit/s).
constexpr std::size_t kQueueBytes = 2 * 1024 * 1024;
// The stream's events go to the writer thread in batches: waking it for
// every frame (38 a second) cost the copy more than everything else it
// does. A batch waits at most half a second, so the recordings list still
// sees the files grow.
constexpr std::size_t kBatchBytes = 32 * 1024;
constexpr auto kBatchAge = std::chrono::milliseconds(500);

// One event as the writer thread carries it: a kind byte, the length of
// what goes with it, and that.
enum class Record : std::uint8_t { Audio, Title, Frame, End };
constexpr std::size_t kRecordHeaderBytes = 1 + sizeof(std::uint32_t);

std::string_view AudioBytes(const StreamAudio& audio) {
    return {reinterpret_cast<const char*>(&audio), sizeof audio};
}

std::string_view TitleBytes(const std::wstring& title) {
    return {reinterpret_cast<const char*>(title.data()), title.size() * sizeof(wchar_t)};
}

// On the writer thread: each record of a batch to the track recorder. The
// frames that follow one another go as one run, so the file takes them in one
// write rather than one a frame; a run is whole frames still.
class RecordWriter : public SampleWriter {
public:
    explicit RecordWriter(std::unique_ptr<TrackRecorder> recorder)
        : recorder_(std::move(recorder)) {}

    bool WriteSamples(const std::uint8_t* bytes, std::size_t length) override {
        std::string_view records(reinterpret_cast<const char*>(bytes), length);
        while (records.size() >= kRecordHeaderBytes && !recorder_->Failed()) {
            std::uint32_t size = 0;
            std::memcpy(&size, records.data() + 1, sizeof size);
            const std::string_view payload = records.substr(kRecordHeaderBytes, size);
            const auto kind = static_cast<Record>(records[0]);
            if (kind == Record::Frame) {
                frames_ += payload;
                frameLengths_.push_back(payload.size());
            } else {
                DeliverFrames();
                Deliver(kind, payload);
            }
            records.remove_prefix(kRecordHeaderBytes + payload.size());
        }
        DeliverFrames();
        return !recorder_->Failed();
    }
    bool Exhausted() const override { return recorder_->Failed(); }
    void Close() override { recorder_->Finish(); }

private:
    void DeliverFrames() {
        if (!frames_.empty() && !recorder_->Failed()) recorder_->OnFrames(frames_, frameLengths_);
        frames_.clear();
        frameLengths_.clear();
    }

    void Deliver(Record kind, std::string_view payload) {
        switch (kind) {
        case Record::Audio:
            if (!payload.empty()) recorder_->OnAudio(static_cast<StreamAudio>(payload[0]));
            break;
        case Record::Title: {
            std::wstring title(payload.size() / sizeof(wchar_t), L'\0');
            std::memcpy(title.data(), payload.data(), title.size() * sizeof(wchar_t));
            recorder_->OnTitle(title);
            break;
        }
        case Record::Frame: break;  // gathered into runs
        case Record::End: recorder_->OnStreamEnded(); break;
        }
    }

    std::unique_ptr<TrackRecorder> recorder_;
    std::string frames_;  // the run being gathered; reused
    std::vector<std::size_t> frameLengths_;  // of the frames in it
};

}  // namespace

// On the tap's thread: batches the stream's events for the writer thread.
class StreamCopy::Feed final : public StreamCopySink {
public:
    explicit Feed(WriterThread& writer) : writer_(writer) {}

    void OnAudio(StreamAudio audio) override {
        audio_ = audio;
        Queue(Record::Audio, AudioBytes(audio));
    }
    void OnTitle(const std::wstring& title) override {
        title_ = title;
        Queue(Record::Title, TitleBytes(title));
    }
    void OnFrame(std::string_view frame) override { Queue(Record::Frame, frame); }
    void OnStreamEnded() override { Queue(Record::End, {}); }

    // Hands the batch to the writer thread. A full queue (the disk has stood
    // still for half a minute) loses the batch; the next one then begins by
    // ending the file at the gap, so that none holds one, and the copy goes
    // on in another.
    void Flush() {
        if (batch_.empty()) return;
        gap_ = !writer_.Push(reinterpret_cast<const std::uint8_t*>(batch_.data()), batch_.size());
        batch_.clear();
    }

private:
    void Queue(Record kind, std::string_view payload) {
        const auto now = std::chrono::steady_clock::now();
        if (batch_.empty()) {
            batchStarted_ = now;
            if (gap_) {
                Append(Record::End, {});
                if (audio_) Append(Record::Audio, AudioBytes(*audio_));
                if (title_) Append(Record::Title, TitleBytes(*title_));
            }
        }
        Append(kind, payload);
        if (batch_.size() >= kBatchBytes || now - batchStarted_ >= kBatchAge) Flush();
    }

    void Append(Record kind, std::string_view payload) {
        const auto size = static_cast<std::uint32_t>(payload.size());
        batch_ += static_cast<char>(kind);
        batch_.append(reinterpret_cast<const char*>(&size), sizeof size);
        batch_ += payload;
    }

    WriterThread& writer_;
    std::optional<StreamAudio> audio_;
    std::optional<std::wstring> title_;
    bool gap_ = false;
    std::string batch_;  // reused, so a frame costs no allocation
    std::chrono::steady_clock::time_point batchStarted_;
};

StreamCopy::StreamCopy(StreamTap& tap, TrackFiles& files, const Clock& clock)
    : tap_(tap), files_(files), clock_(clock) {}

StreamCopy::~StreamCopy() { Stop(); }

bool StreamCopy::Start(const std::wstring& folder, std::optional<std::wstring> fixedStem,
                       std::wstring station, std::function<void()> onFailed) {
    Stop();
    auto recorder = std::make_unique<TrackRecorder>(files_, clock_, folder, std::move(fixedStem));
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
    feed_->Flush();
    writer_->Finish();
    writer_.reset();
    feed_.reset();
    recorder_ = nullptr;
}

void StreamCopy::SetStation(std::wstring name) {
    if (recorder_) recorder_->SetStation(std::move(name));
}
