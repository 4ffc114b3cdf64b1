#include "recording/copy/track_recorder.h"

#include "recording/copy/id3v2_tag.h"
#include "recording/copy/track_names.h"

TrackRecorder::TrackRecorder(TrackFiles& files, const Clock& clock, std::wstring folder,
                             std::optional<std::wstring> fixedStem)
    : files_(files), clock_(clock), folder_(std::move(folder)), fixedStem_(std::move(fixedStem)) {}

void TrackRecorder::SetStation(std::wstring name) {
    std::lock_guard lock(stationLock_);
    station_ = std::move(name);
}

std::wstring TrackRecorder::Station() const {
    std::lock_guard lock(stationLock_);
    return station_;
}

void TrackRecorder::OnTitle(const std::wstring& title) {
    title_ = title;
    if (fixedStem_) return;
    // A title before any frame is the one in force when the copy joined the
    // stream (or came back to it): its track began earlier.
    startsAtChange_ = heardFrames_;
    if (open_) CloseFile(true);
}

void TrackRecorder::OnFrame(std::string_view frame) { OnFrames(frame, {frame.size()}); }

void TrackRecorder::OnFrames(std::string_view run, const std::vector<std::size_t>& frameLengths) {
    if (failed_) return;
    // Only a scheduled file stays open across a reconnect; should the station
    // come back in the other format, its frames would make the file unplayable.
    if (open_ && audio_ != fileAudio_) return;
    heardFrames_ = true;
    if (!open_ && !OpenFile()) return Fail();
    if (files_.Append(run)) {
        fileHasFrames_ = true;
        return;
    }
    // A disk that cannot take the run whole takes as many whole frames as it can.
    for (const std::size_t length : frameLengths) {
        if (!files_.Append(run.substr(0, length))) return Fail();
        fileHasFrames_ = true;
        run.remove_prefix(length);
    }
}

void TrackRecorder::OnStreamEnded() {
    heardFrames_ = false;
    startsAtChange_ = false;
    // A scheduled recording goes on in its one file after a reconnect.
    if (open_ && !fixedStem_) CloseFile(false);
}

void TrackRecorder::Finish() {
    if (open_) CloseFile(false);
}

bool TrackRecorder::OpenFile() {
    fileAudio_ = audio_;
    if (fixedStem_) {
        path_ = *fixedStem_ + std::wstring(TrackExtension(fileAudio_));
    } else {
        stem_ = CurrentStem();
        pathMarked_ = !startsAtChange_;
        path_ = FreePath(pathMarked_ ? stem_ + kIncompleteTrackMark : stem_);
    }
    if (!files_.Create(path_)) return false;
    open_ = true;
    fileHasFrames_ = false;
    if (fileAudio_ != StreamAudio::Mp3) return true;
    const std::string tag = Id3v2Tag(TrackTagsOf(title_.value_or(L""), Station()));
    return tag.empty() || files_.Append(tag);
}

std::wstring TrackRecorder::CurrentStem() const {
    std::optional<std::wstring> stem;
    if (title_) stem = TrackStem(*title_);
    return stem ? *stem : UntitledTrackStem(Station(), clock_.Now());
}

std::wstring TrackRecorder::FreePath(const std::wstring& stem) {
    return FreeTrackPath(folder_, stem, TrackExtension(fileAudio_),
                         [this](const std::wstring& path) { return files_.Exists(path); });
}

void TrackRecorder::CloseFile(bool whole) {
    files_.Close();
    open_ = false;
    if (whole || pathMarked_ || fixedStem_) return;
    // Renamed only now: until the track is cut short nobody can tell it will be.
    files_.Rename(path_, FreePath(stem_ + kIncompleteTrackMark));
}

void TrackRecorder::Fail() {
    failed_ = true;
    if (!open_) return;
    if (fileHasFrames_) return CloseFile(false);
    // A file the disk took no frame for would play nothing: it goes.
    files_.Close();
    open_ = false;
    files_.Remove(path_);
}
