#pragma once
// The scheduler's queue and its decisions, without a window: the pane shows
// Entries() as its list, passes the user's actions in, and posts the requests
// that come out. Rows are numbered from the top, as the list shows them.

#include "common/ports/clock.h"
#include "host/station_info.h"
#include "recording/scheduler/queued_recording.h"
#include "recording/scheduler/scheduler_request.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the user filled in for a new scheduled recording.
struct RecordingChoice {
    std::wstring typedName;  // the name field's text, without extension
    RecordingFormat format = RecordingFormat::Mp3;
    LocalTime start;  // seconds are dropped
    LocalTime end;
};

enum class AddOutcome { Added, NoStation, TimesOutOfOrder, Overlap, UnsafeName, NameTaken };

struct AddResult {
    AddOutcome outcome;
    std::size_t collidingRow = 0;  // with Overlap: the first row the interval collides with
};

class SchedulerQueue {
public:
    explicit SchedulerQueue(const Clock& clock) : clock_(clock) {}

    // Replaces the queue with queued.xml's entries (see queued_recording_file.h).
    void Load(const std::wstring& path);
    bool Save(const std::wstring& path) const;

    const std::vector<QueuedRecording>& Entries() const { return entries_; }

    // Checks, in this order: a chosen station, start before end, no collision
    // with any entry whatever its status, a safe file name, and a name that is
    // neither in the queue nor a file in `recordingsFolder` (which ends in a
    // separator). An accepted recording becomes the top row, Waiting.
    AddResult Add(const StationInfo& station, const RecordingChoice& choice,
                  const std::wstring& recordingsFolder);

    // The regular check: a Waiting entry whose time has come starts; a
    // Recording entry whose end has come is asked to stop, at every tick until
    // the recorder reports the end through MarkRunningDone or MarkStartFailed.
    // All stop requests come before the start requests.
    std::vector<SchedulerRequest> Tick();

    // The recorder finished a scheduled recording: the top Recording entry
    // whose end has come becomes Done, or else the top Recording entry.
    void MarkRunningDone();
    // The recorder could not start the entry's recording (its file appeared
    // meanwhile, or the writer failed). It becomes Done, so no stop request
    // for it ever reaches whatever the user is listening to by then.
    void MarkStartFailed(unsigned id);

    // Deletes the entries with these ids; each one that is Recording gets a
    // stop request first. Requests come in row order.
    std::vector<SchedulerRequest> Remove(const std::vector<unsigned>& ids);

private:
    void Adopt(QueuedRecording entry, std::size_t row);
    bool IsQueuedName(std::wstring_view fileName) const;
    std::optional<std::size_t> FirstCollision(const LocalTime& start, const LocalTime& end) const;

    const Clock& clock_;
    std::vector<QueuedRecording> entries_;
    unsigned nextId_ = 1;
};
