#pragma once
// The recorder's start and stop: which file a new recording goes to, what
// is checked before it starts, and the order of everything at its start and
// stop. The window supplies the file system, the writers, its message boxes
// and its indicators through RecorderActions; the capture engine records.
// User-interface thread only.

#include "recording/capture/capture_engine.h"
#include "recording/files/recording_file_format.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class RecorderActions {
public:
    virtual ~RecorderActions() = default;

    virtual std::wstring RecordingsFolder() = 0;
    virtual bool FolderExists(const std::wstring& folder) = 0;
    virtual bool CreateFolder(const std::wstring& folder) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // Lets the user pick the parent folder of the recordings (it may change
    // RecordingsFolder) and watches the new folder when it exists.
    virtual void ChooseFolderAndWatch() = 0;
    // The opened writer of the format, null when the file cannot be made.
    virtual std::unique_ptr<SampleWriter> OpenWriter(const std::wstring& path,
                                                     RecordingFileFormat format) = 0;
    // Removes the file of a recording that could not start.
    virtual void DiscardFile(const std::wstring& path) = 0;
    virtual void ShowError(std::wstring_view text) = 0;    // empty caption, error icon
    virtual void ShowWarning(std::wstring_view text) = 0;  // "VelmoraRadio", warning icon
    // A recording played from the list stops, and its blink ends.
    virtual void StopPlayback() = 0;
    // The main window's indicator and the record button's blink; a stopped
    // recording also leaves its note in the window: what it lost, and why it
    // ended when it ended by itself (ended).
    virtual void RecordingStarted(bool scheduled) = 0;
    virtual void RecordingStopped(bool scheduled, std::optional<CaptureEnd> ended) = 0;
};

inline constexpr wchar_t kFileExistsMessage[] = L"File already exist.";
inline constexpr wchar_t kCannotCreateFileMessage[] = L"Can't create wave file.";
inline constexpr wchar_t kCaptureNotStartedMessage[] =
    L"Can't start recording: the sound card would not start capturing.";
inline constexpr wchar_t kNoFolderMessage[] =
    L"Unable to create directory.You should select folder first";
inline constexpr wchar_t kWriterExhaustedMessage[] =
    L"The recording has stopped: its file takes no more sound (the disk is full or keeps "
    L"failing, or the WAV file reached its largest size).";
inline constexpr wchar_t kDeviceStalledMessage[] =
    L"The recording has stopped: the sound card stopped capturing for two seconds.";

class RecorderSession {
public:
    RecorderSession(RecorderActions& actions, CaptureEngine& engine)
        : actions_(actions), engine_(engine) {}

    // The format new recordings are written in: the combo's choice, or the
    // one a scheduled recording switched to.
    void SetFileFormat(RecordingFileFormat format) { fileFormat_ = format; }
    RecordingFileFormat FileFormat() const { return fileFormat_; }

    // A recording by hand: the next free "RecordingNNN", from the moment of
    // the click, clickedAgo before. False when nothing started (the user was
    // told why).
    bool StartRecording(std::chrono::milliseconds clickedAgo = {});
    // A scheduler's recording into its own file name; failures are silent.
    bool StartScheduledRecording(const std::wstring& fileName);
    // Ends playback of a recording and any recording, at the moment of the
    // click that asked for it, clickedAgo before.
    void StopAll(std::chrono::milliseconds clickedAgo = {});
    // The capture engine ended the recording by itself: it stops, and the
    // window's note says why. A person who started it is also told in a box;
    // a scheduled recording runs with nobody there to answer one.
    void EndedByItself(CaptureEnd ended);

    bool IsRecording() const { return engine_.IsRecording(); }
    const std::wstring& OutputPath() const { return outputPath_; }

private:
    bool Start(std::chrono::milliseconds clickedAgo = {});
    std::wstring ChooseOutputPath(const std::wstring& folder);
    void Complain(std::wstring_view text);
    void Stop(std::chrono::milliseconds clickedAgo, std::optional<CaptureEnd> ended);

    RecorderActions& actions_;
    CaptureEngine& engine_;
    RecordingFileFormat fileFormat_ = RecordingFileFormat::Mp3;
    bool scheduled_ = false;
    std::wstring scheduledName_;
    std::wstring outputPath_;
};
