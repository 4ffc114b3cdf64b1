// The recorder's source "Radio stream (exact copy)": choosing it, and
// recording the station's stream with it.

#include "recording/capture/capture_settings.h"
#include "recording/copy/track_names.h"
#include "recording/recorder/dlg_play_files.h"
#include "recording/recorder/last_recording_note.h"

namespace {

constexpr wchar_t kCopyUnavailableMessage[] =
    L"The player copies only stations that it plays itself, and this station plays through "
    L"Windows Media Player. Choose a sound card to record it.";
constexpr wchar_t kCopyFailedMessage[] =
    L"The copy of the radio stream has stopped: its file takes no more (the disk is full or "
    L"keeps failing). Every file it wrote plays to its last whole frame.";

int ComboEntry(HWND combo, const wchar_t* text) {
    return static_cast<int>(
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)));
}

}  // namespace

void CDlgPlayFiles::OnSourceChosen() {
    const int entry = static_cast<int>(SendMessageW(device_, CB_GETCURSEL, 0, 0));
    if (entry == kStreamCopyEntry) {
        if (device_.CopyAvailable()) return UseStreamCopy(true);
        // A greyed entry cannot be chosen: the choice goes back, the tip says why.
        const std::size_t back = copySource_ ? kStreamCopyEntry : StoredDevice() + kFirstDeviceEntry;
        SendMessageW(device_, CB_SETCURSEL, back, 0);
        return;
    }
    if (entry < kFirstDeviceEntry) return;
    UseStreamCopy(false);
    OnDeviceChosen(entry - kFirstDeviceEntry);
}

void CDlgPlayFiles::UseStreamCopy(bool use) {
    if (use) {
        StopAll();
        SendMessageW(device_, CB_SETCURSEL, kStreamCopyEntry, 0);
        SaveStreamCopySource(registry_);
    }
    if (use == copySource_) return;
    copySource_ = use;
    ShowAsSent(use);
}

// The stream is copied in its own format and channels: the combos for them
// say so and wait.
void CDlgPlayFiles::ShowAsSent(bool asSent) {
    for (CTTComboBox* combo : {&fileFormat_, &channel_}) {
        if (asSent) {
            const auto added = SendMessageW(*combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kAsSentText));
            SendMessageW(*combo, CB_SETCURSEL, added, 0);
        } else if (const int entry = ComboEntry(*combo, kAsSentText); entry >= 0) {
            SendMessageW(*combo, CB_DELETESTRING, entry, 0);
        }
        EnableWindow(*combo, !asSent);
    }
    if (asSent) return;
    SendMessageW(fileFormat_, CB_SETCURSEL, static_cast<WPARAM>(session_.FileFormat()), 0);
    SendMessageW(channel_, CB_SETCURSEL, source_.ChannelSelection(), 0);
}

bool CDlgPlayFiles::StartStreamCopy(const std::optional<std::wstring>& scheduledName) {
    if (copy_.IsRunning() || session_.IsRecording()) return false;
    const bool scheduled = scheduledName.has_value();
    if (!device_.CopyAvailable()) {
        if (!scheduled) ShowError(kCopyUnavailableMessage);
        return false;
    }
    const std::wstring folder = RecordingsFolder();
    if (!FolderExists(folder) && !CreateFolder(folder)) {
        if (scheduled) return false;
        ShowWarning(kNoFolderMessage);
        ChooseFolderAndWatch();
        return false;
    }
    std::optional<std::wstring> fixedStem;
    if (scheduled) {
        fixedStem = folder + ScheduledCopyStem(*scheduledName);
        // The station, started with the entry, has not yet said what it sends:
        // a file of the name in either kind is someone's, and stays.
        for (const StreamAudio audio : {StreamAudio::Mp3, StreamAudio::Aac})
            if (FileExists(*fixedStem + std::wstring(TrackExtension(audio)))) return false;
    }
    StopPlayback();
    if (!copy_.Start(folder, fixedStem, host_.StationName(),
                     [this] { Post(WM_STREAM_COPY_FAILED); })) {
        if (!scheduled) ShowError(kCannotCreateFileMessage);
        return false;
    }
    copyScheduled_ = scheduled;
    RecordingStarted(scheduled);
    return true;
}

void CDlgPlayFiles::StopStreamCopy() {
    if (!copy_.IsRunning()) return;
    copy_.Stop();
    // The note tells what a sound card recording lost; a copy has no such count.
    note_.SetLinkText(L"");
    ShowRecordingStopped(copyScheduled_);
    copyScheduled_ = false;
}

// As for the sound card: a scheduled copy has nobody there to answer a box,
// so only the note says it.
void CDlgPlayFiles::OnStreamCopyFailed() {
    if (!copy_.IsRunning()) return;
    const bool byHand = !copyScheduled_;
    StopAll();
    note_.SetLinkText(LastRecordingNote({}, 0, CaptureEnd::WriterExhausted).c_str());
    if (byHand) ShowError(kCopyFailedMessage);
}
