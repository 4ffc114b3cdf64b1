#include "recording/recorder/recorder_session.h"

#include "recording/recorder/recording_names.h"

bool RecorderSession::StartRecording(std::chrono::milliseconds clickedAgo) {
    if (IsRecording()) return false;
    return Start(clickedAgo);
}

bool RecorderSession::StartScheduledRecording(const std::wstring& fileName) {
    if (IsRecording()) return false;
    scheduled_ = true;
    scheduledName_ = fileName;
    if (Start()) return true;
    scheduled_ = false;
    scheduledName_.clear();
    return false;
}

bool RecorderSession::Start(std::chrono::milliseconds clickedAgo) {
    const std::wstring folder = actions_.RecordingsFolder();
    if (!actions_.FolderExists(folder) && !actions_.CreateFolder(folder)) {
        // The folder dialog would wait for a person who may not be there.
        if (scheduled_) return false;
        actions_.ShowWarning(kNoFolderMessage);
        actions_.ChooseFolderAndWatch();
        return false;
    }
    const std::wstring path = ChooseOutputPath(folder);
    if (actions_.FileExists(path)) {
        Complain(kFileExistsMessage);
        return false;
    }
    std::unique_ptr<SampleWriter> writer = actions_.OpenWriter(path, fileFormat_);
    if (!writer) {
        Complain(kCannotCreateFileMessage);
        return false;
    }
    if (!engine_.StartRecording(std::move(writer), clickedAgo)) {
        actions_.DiscardFile(path);
        Complain(kCaptureNotStartedMessage);
        return false;
    }
    outputPath_ = path;
    actions_.RecordingStarted(scheduled_);
    return true;
}

std::wstring RecorderSession::ChooseOutputPath(const std::wstring& folder) {
    const auto exists = [this](const std::wstring& path) { return actions_.FileExists(path); };
    const std::wstring name = scheduled_ ? scheduledName_ : NextFreeRecordingName(folder, exists);
    return WithRecordingExtension(folder + name, fileFormat_);
}

// The scheduler's starts fail silently: nobody may be at the screen.
void RecorderSession::Complain(std::wstring_view text) {
    if (!scheduled_) actions_.ShowError(text);
}

void RecorderSession::StopAll(std::chrono::milliseconds clickedAgo) {
    Stop(clickedAgo, std::nullopt);
}

void RecorderSession::EndedByItself(CaptureEnd ended) {
    if (!IsRecording()) return;
    const bool byHand = !scheduled_;
    Stop({}, ended);
    if (byHand)
        actions_.ShowError(ended == CaptureEnd::DeviceStalled ? kDeviceStalledMessage
                                                              : kWriterExhaustedMessage);
}

void RecorderSession::Stop(std::chrono::milliseconds clickedAgo, std::optional<CaptureEnd> ended) {
    actions_.StopPlayback();
    if (!IsRecording()) return;
    engine_.StopRecording(clickedAgo);
    actions_.RecordingStopped(scheduled_, ended);
    scheduled_ = false;
    scheduledName_.clear();
}
