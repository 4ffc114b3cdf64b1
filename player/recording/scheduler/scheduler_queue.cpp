#include "recording/scheduler/scheduler_queue.h"

#include "common/helpers/plain_file_name.h"
#include "common/helpers/text_case.h"
#include "recording/scheduler/queued_recording_file.h"
#include "recording/scheduler/scheduler_recording_name.h"
#include "recording/scheduler/scheduler_station.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Intervals that only touch (one ends when the other starts) do not collide.
bool Collides(const LocalTime& start, const LocalTime& end, const QueuedRecording& entry) {
    return (start < entry.start && entry.start < end) || (start < entry.end && entry.end < end) ||
           (entry.start <= start && end <= entry.end);
}

LocalTime ToTheMinute(LocalTime time) {
    time.second = 0;
    return time;
}

QueuedRecording WaitingEntry(const StationInfo& station, std::wstring fileName,
                             const LocalTime& start, const LocalTime& end) {
    QueuedRecording entry;
    entry.station = station.name;
    entry.banner = station.banner;
    entry.homepage = station.homepage;
    entry.streamlink = station.streamlink;
    entry.name = std::move(fileName);
    entry.start = start;
    entry.end = end;
    entry.status = RecordingStatus::Waiting;
    return entry;
}

bool FileExists(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}

// From the minute the entry ends, as starts run up to that minute: an end
// at 11:00 and a start at 11:00 fall in the same tick.
bool IsDueToStop(const QueuedRecording& entry, const LocalTime& now) {
    return entry.status == RecordingStatus::Recording && now >= entry.end;
}

bool Contains(const std::vector<unsigned>& ids, unsigned id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

void SchedulerQueue::Load(const std::wstring& path) {
    entries_.clear();
    for (auto& entry : LoadQueuedRecordings(path, clock_.Now())) {
        Adopt(std::move(entry), entries_.size());
    }
}

bool SchedulerQueue::Save(const std::wstring& path) const {
    return SaveQueuedRecordings(path, entries_);
}

AddResult SchedulerQueue::Add(const StationInfo& station, const RecordingChoice& choice,
                              const std::wstring& recordingsFolder) {
    if (station.name.empty() || station.name == kNoStationChosen) return {AddOutcome::NoStation};
    const LocalTime start = ToTheMinute(choice.start);
    const LocalTime end = ToTheMinute(choice.end);
    if (!(start < end)) return {AddOutcome::TimesOutOfOrder};
    if (auto row = FirstCollision(start, end)) return {AddOutcome::Overlap, *row};
    std::wstring fileName = RecordingFileName(choice.typedName, choice.format);
    if (!IsPlainFileName(fileName)) return {AddOutcome::UnsafeName};
    if (IsQueuedName(fileName) || FileExists(recordingsFolder + fileName))
        return {AddOutcome::NameTaken};

    QueuedRecording entry = WaitingEntry(station, std::move(fileName), start, end);
    entry.format = choice.format;
    Adopt(std::move(entry), 0);
    return {AddOutcome::Added};
}

std::vector<SchedulerRequest> SchedulerQueue::Tick() {
    const LocalTime now = clock_.Now();
    std::vector<SchedulerRequest> requests;
    // Stops go first: when one recording ends where the next begins, the
    // recorder must finish the old one before it starts the new one, or the
    // old one's stop would end the new recording.
    for (const auto& entry : entries_) {
        if (IsDueToStop(entry, now)) requests.push_back({ScheduledAction::Stop, entry});
    }
    for (auto& entry : entries_) {
        if (entry.status == RecordingStatus::Waiting && entry.start <= now && now < entry.end) {
            entry.status = RecordingStatus::Recording;
            requests.push_back({ScheduledAction::Start, entry});
        }
    }
    return requests;
}

void SchedulerQueue::MarkRunningDone() {
    // The recorder reports the end of the recording it was asked to stop;
    // a following entry started in the same tick is still running.
    const LocalTime now = clock_.Now();
    auto running = std::find_if(entries_.begin(), entries_.end(),
                                [now](const auto& entry) { return IsDueToStop(entry, now); });
    if (running == entries_.end()) {
        running = std::find_if(entries_.begin(), entries_.end(), [](const auto& entry) {
            return entry.status == RecordingStatus::Recording;
        });
    }
    if (running != entries_.end()) running->status = RecordingStatus::Done;
}

void SchedulerQueue::MarkStartFailed(unsigned id) {
    for (auto& entry : entries_) {
        if (entry.id == id && entry.status == RecordingStatus::Recording)
            entry.status = RecordingStatus::Done;
    }
}

std::vector<SchedulerRequest> SchedulerQueue::Remove(const std::vector<unsigned>& ids) {
    std::vector<SchedulerRequest> requests;
    for (const auto& entry : entries_) {
        if (Contains(ids, entry.id) && entry.status == RecordingStatus::Recording)
            requests.push_back({ScheduledAction::Stop, entry});
    }
    std::erase_if(entries_, [&](const auto& entry) { return Contains(ids, entry.id); });
    return requests;
}

void SchedulerQueue::Adopt(QueuedRecording entry, std::size_t row) {
    entry.id = nextId_++;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(row), std::move(entry));
}

bool SchedulerQueue::IsQueuedName(std::wstring_view fileName) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const auto& entry) { return EqualsIgnoringCase(entry.name, fileName); });
}

std::optional<std::size_t> SchedulerQueue::FirstCollision(const LocalTime& start,
                                                          const LocalTime& end) const {
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (Collides(start, end, entries_[row])) return row;
    }
    return std::nullopt;
}
