#pragma once
// The copy of a station's stream, a file per track: each title change ends
// one file and the next frame starts another, named after the new title. A
// track the copy did not hold whole (the one it joined, the one it stopped
// in, one the stream dropped in) is named so. A scheduled recording instead
// copies everything into the one file it names.
//
// Threads: the recorder's writer thread calls everything but SetStation,
// which may come from any thread.

#include "common/ports/clock.h"
#include "host/stream_tap.h"
#include "recording/copy/track_files.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

class TrackRecorder final : public StreamCopySink {
public:
    // `fixedStem` set: the scheduled recording's own file, never split; its
    // path without the extension, which the stream's audio gives.
    TrackRecorder(TrackFiles& files, const Clock& clock, std::wstring folder,
                  std::optional<std::wstring> fixedStem);

    // The station's name, for the tags and for a stream without titles.
    void SetStation(std::wstring name);

    void OnAudio(StreamAudio audio) override { audio_ = audio; }
    void OnTitle(const std::wstring& title) override;
    void OnFrame(std::string_view frame) override;
    // Frames that follow one another, in one write when the disk takes them.
    void OnFrames(std::string_view run, const std::vector<std::size_t>& frameLengths);
    void OnStreamEnded() override;

    // The copy stops: the file it writes ends, incomplete.
    void Finish();
    // A file could not be made or written; the copy writes nothing more, and
    // leaves no file without a frame.
    bool Failed() const { return failed_; }

private:
    bool OpenFile();
    std::wstring CurrentStem() const;
    std::wstring FreePath(const std::wstring& stem);
    // Ends the current file; `whole` when its track ended at a title change.
    void CloseFile(bool whole);
    void Fail();
    std::wstring Station() const;

    TrackFiles& files_;
    const Clock& clock_;
    const std::wstring folder_;
    const std::optional<std::wstring> fixedStem_;
    mutable std::mutex stationLock_;
    std::wstring station_;  // guarded by stationLock_

    std::optional<std::wstring> title_;
    StreamAudio audio_ = StreamAudio::Mp3;
    bool open_ = false;
    StreamAudio fileAudio_ = StreamAudio::Mp3;  // what the open file holds
    std::wstring stem_;          // the open file's name as its title gives it
    std::wstring path_;          // of the open file
    bool pathMarked_ = false;    // its name already says it is incomplete
    bool fileHasFrames_ = false;
    bool heardFrames_ = false;   // in this stretch of the stream
    bool startsAtChange_ = false;  // the next file starts where its track starts
    bool failed_ = false;
};
