#pragma once
// CDlgPlayFiles: the recorder pane. Lists the recordings folder, records the
// sound card into a new WAV or MP3 file, plays, renames and deletes
// recordings, and carries out the scheduler's start and stop requests.

#include "common/ports/clock_win32.h"
#include "common/ports/registry_win32.h"
#include "host/docked_pane.h"
#include "host/player_messages.h"
#include "recording/capture/capture_engine.h"
#include "recording/capture/capture_setup.h"
#include "recording/capture/directsound_capture.h"
#include "recording/copy/stream_copy.h"
#include "recording/copy/track_files_win32.h"
#include "recording/meter/peak_meter_ctrl.h"
#include "recording/recorder/important_dlg.h"
#include "recording/recorder/pf_list_ctrl.h"
#include "recording/recorder/recorder_host.h"
#include "recording/recorder/recorder_session.h"
#include "recording/recorder/recordings_choice.h"
#include "recording/recorder/recordings_list.h"
#include "recording/recorder/recordings_watcher.h"
#include "recording/recorder/source_combo_box.h"
#include "recording/source/recording_source.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"
#include "skin/hyperlink_static.h"
#include "skin/rename_edit.h"
#include "skin/tt_combo_box.h"
#include "skin/zip_slider_ctl.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDlgPlayFiles : public CBitmapDialog, public DockedPane, private RecorderActions {
public:
    CDlgPlayFiles(HWND owner, RecorderHost& host);
    ~CDlgPlayFiles() override;

    // DockedPane
    HWND PaneWindow() const override { return hwnd_; }
    PaneSize Size() const override;
    void OnRecordingPlaybackStopped() override { StopPlayIndicator(); }
    void OnStationChanged(const StationInfo& station) override { copy_.SetStation(station.name); }

    void ShowRecorder(int command);
    void FollowMainWindow(bool visible);
    void StopPlayIndicator();
    // The main window blinks every light of a recording on one timer, this
    // window's record button among them.
    void ShowRecordingLight(bool lit) { record_.SetLit(lit); }

    bool PreTranslateMessage(MSG& message) override;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnTimer(UINT_PTR id) override;
    void ApplyScale() override;
    void PlaceOwnedWindowAgain(HWND owned) override;

private:
    // RecorderActions
    std::wstring RecordingsFolder() override;
    bool FolderExists(const std::wstring& folder) override;
    bool CreateFolder(const std::wstring& folder) override;
    bool FileExists(const std::wstring& path) override;
    void ChooseFolderAndWatch() override;
    std::unique_ptr<SampleWriter> OpenWriter(const std::wstring& path,
                                             RecordingFileFormat format) override;
    void DiscardFile(const std::wstring& path) override;
    void ShowError(std::wstring_view text) override;
    void ShowWarning(std::wstring_view text) override;
    void StopPlayback() override;
    void RecordingStarted(bool scheduled) override;
    void RecordingStopped(bool scheduled, std::optional<CaptureEnd> ended) override;
    // The record indicator and the main window learn that a recording ended.
    void ShowRecordingStopped(bool scheduled);

    void SetUpControls();
    void SetUpLink(CHyperlinkStatic& link, int id);
    void SetUpList();
    void SetUpMeterAndVolume();
    RECT MeterPlace() const;

    void RefreshList();
    void ShowRows();
    void RebuildList();
    void InsertRow(int index);  // rows_[index], at that place in the list
    RecordingsChoice ShownChoice() const;
    void ShowChoice(const RecordingsChoice& choice);
    void Sort(RecordingSortKey key);
    void ShowSortMenu();
    void OnListClick();
    void SelectAll();
    void DeleteSelected();
    void RenameSelected();
    void PlaySelected();
    void OpenFolder();
    void ShowInstructions();
    void CloseToMainWindow();
    std::optional<int> SelectionMark() const;

    // Recording from the chosen source: the sound card or the stream copy.
    // `clickedAgo`: how long ago the user clicked, for the sound card.
    void StartRecording(std::chrono::milliseconds clickedAgo = {});
    void StopAll(std::chrono::milliseconds clickedAgo = {});

    // The stream copy (dlg_play_files_stream_copy.cpp).
    void OnSourceChosen();
    void UseStreamCopy(bool use);
    void ShowAsSent(bool asSent);
    bool StartStreamCopy(const std::optional<std::wstring>& scheduledName);
    void StopStreamCopy();
    void OnStreamCopyFailed();

    // From the stream tap's thread: a file of the stream copy took no more.
    static constexpr UINT WM_STREAM_COPY_FAILED = WM_APP + 3;

    void InitCapture();
    void InitSoundCard(bool copyChosen);
    // The device entry that "Device" names (0 when it names none).
    std::size_t StoredDevice();
    void OnDeviceChosen(int deviceEntry);
    // A person's choice in the combo: failures and a missing encoder say so.
    void OnFileFormatChosen(RecordingFileFormat format);
    // The set-up for the stored device in this format; the failed step, if any.
    std::optional<CaptureSetupStep> SwitchFileFormat(RecordingFileFormat format);
    std::optional<CaptureSetupStep> SetUpCaptureFor(int deviceEntry, RecordingFileFormat format);
    void HoldForPerson(std::wstring_view text);
    void ShowHeldMessages();
    void ChooseRecordingsFolder();
    void OnScheduledRecording(WPARAM item, LPARAM action);

    RecorderHost& host_;
    Win32Registry registry_;

    CButtonST close_, rename_, delete_, selectAll_, sort_, help_, record_, play_, stop_, folder_;
    CHyperlinkStatic recordLink_, playLink_, stopLink_, folderLink_;
    CHyperlinkStatic note_;  // what the last recording lost
    CPFListCtrl list_;
    CRenameEdit renameField_{WM_RENAME_DONE};
    CZipSliderCtl volume_;
    CPeakMeterCtrl meter_;
    CSourceComboBox device_;
    CTTComboBox fileFormat_, channel_;
    std::unique_ptr<CDlgImportant> instructions_;  // made on the first press of help

    std::vector<RecordingRow> rows_;
    std::vector<RecordingRow> shownRows_;  // what the list control holds now
    RecordingSortState sortState_;
    RecordingsWatcher watcher_;
    std::vector<CaptureDeviceEntry> devices_;
    CaptureEngine engine_;
    RecorderSession session_{*this, engine_};
    RecordingSource source_{registry_};
    SystemClock clock_;
    Win32TrackFiles trackFiles_;
    StreamCopy copy_{host_.StationStream(), trackFiles_, clock_};
    bool copySource_ = false;     // the source combo shows the stream copy
    bool copyScheduled_ = false;  // the running copy is a scheduled recording
    bool visibleBeforeCompact_ = false;
    bool openedByPerson_ = false;
    std::vector<std::wstring> heldMessages_;  // set-up complaints nobody has seen yet
};

std::unique_ptr<DockedPane> CreateRecorderPane(HWND owner, RecorderHost& host);
