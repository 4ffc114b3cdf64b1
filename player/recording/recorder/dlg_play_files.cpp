#include "recording/recorder/dlg_play_files.h"

#include "common/helpers/shell_open.h"
#include "host/player_messages.h"
#include "host/player_settings.h"
#include "recording/capture/capture_settings.h"
#include "recording/capture/capture_setup.h"
#include "recording/files/lame_enc_library.h"
#include "recording/files/mp3_file_encoder.h"
#include "recording/files/wave_file_writer.h"
#include "recording/recorder/last_recording_note.h"
#include "recording/recorder/recorder_ids.h"
#include "recording/recorder/recording_files_win32.h"
#include "recording/recorder/recording_names.h"
#include "recording/recorder/recordings_folder.h"
#include "recording/scheduler/scheduled_recording_message.h"
#include "recording/source/winmm_recording_mixer.h"
#include "res/resource.h"
#include "res/skin_ids.h"
#include "skin/place_control.h"
#include "skin/report_columns.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <utility>

namespace {

constexpr int kWidth = 459;
constexpr int kHeight = 215;
constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr COLORREF kPlayKeyColour = RGB(255, 120, 255);
constexpr COLORREF kBackground = RGB(236, 244, 250);
constexpr UINT_PTR kPlayBlinkTimer = 3455;
constexpr UINT kBlinkMs = 500;
constexpr wchar_t kCaption[] = L"VelmoraRadio";
constexpr wchar_t kNoEncoderMessage[] = L"Can't initialize MP3 enocder.";
constexpr ReportColumn kListColumns[] = {{L"Date:", 90}, {L"Name:", 120}, {L"Size:", 60}};
// From the capture worker: it ended the current recording (wParam: CaptureEnd).
constexpr UINT WM_RECORDING_ENDED = WM_APP + 1;
// Posted when a person first opens the window, so that the set-up's
// messages show once the window is up, outside the main window's call.
constexpr UINT WM_SHOW_HELD_MESSAGES = WM_APP + 2;
// Posted at creation: the sound card and mixer are set up in a message of
// their own, so that the click that opens the window is answered sooner.
// Posted messages come before input and painting, and before a scheduled
// recording posted after the window was made, so nobody sees the window
// or records through it before the set-up ran.
constexpr UINT WM_SET_UP_CAPTURE = WM_APP + 4;


constexpr ControlPlace kPlaces[] = {
    {IDC_REC_CLOSE, 444, 3, 12, 11},          {IDC_REC_LIST, 5, 27, 311, 154},
    {IDC_REC_RENAME_FIELD, 8, 187, 111, 20},  {IDC_REC_RENAME, 121, 188, 76, 20},
    {IDC_REC_DELETE, 198, 188, 76, 20},       {IDC_REC_SELECT_ALL, 275, 188, 76, 20},
    {IDC_REC_SORT, 352, 188, 76, 20},         {IDC_REC_HELP, 431, 190, 16, 16},
    {IDC_REC_RECORD, 330, 37, 21, 21},        {IDC_REC_PLAY, 360, 37, 21, 21},
    {IDC_REC_STOP, 390, 37, 21, 21},          {IDC_REC_FOLDER, 421, 39, 21, 21},
    {IDC_REC_RECORD_LINK, 330, 60, 24, 12},   {IDC_REC_PLAY_LINK, 360, 60, 24, 12},
    {IDC_REC_STOP_LINK, 390, 60, 24, 12},     {IDC_REC_FOLDER_LINK, 417, 60, 30, 12},
    {IDC_REC_VOLUME, 329, 79, 74, 19},        {IDC_REC_DEVICE, 328, 105, 116, 200},
    {IDC_REC_FILE_FORMAT, 328, 130, 116, 80}, {IDC_REC_CHANNEL, 328, 155, 116, 200},
    {IDC_REC_NOTE, 80, 5, 355, 13},
};

// The list's sort keys by column: date, name, size.
constexpr RecordingSortKey kColumnKeys[] = {RecordingSortKey::Date, RecordingSortKey::Name,
                                            RecordingSortKey::Size};

// How long ago the message being handled was made: a click's command comes
// while its mouse message is handled, which a busy machine may do late.
std::chrono::milliseconds SinceMessage() {
    return std::chrono::milliseconds(GetTickCount() - static_cast<DWORD>(GetMessageTime()));
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void AddComboEntry(HWND combo, const std::wstring& text) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

std::unique_ptr<DockedPane> CreateRecorderPane(HWND owner, RecorderHost& host) {
    auto pane = std::make_unique<CDlgPlayFiles>(owner, host);
    if (!pane->Create()) return nullptr;
    return pane;
}

CDlgPlayFiles::CDlgPlayFiles(HWND owner, RecorderHost& host)
    : CBitmapDialog(IDD_RECORDER, owner),
      host_(host),
      list_(IDC_REC_DELETE),
      engine_([this](int level) { meter_.SetLevels(std::span<const int>(&level, 1), 0, 1); }) {
    SetKeyColour(kKeyColour);
    SetShaped(true);
    engine_.OnRecordingEnded(
        [this](CaptureEnd end) { Post(WM_RECORDING_ENDED, static_cast<WPARAM>(end)); });
}

CDlgPlayFiles::~CDlgPlayFiles() {
    watcher_.Stop();
    copy_.Stop();
    engine_.StopRecording();
    engine_.UseDevice(nullptr);
    source_.CloseRecordingMixer();
    meter_.Destroy();
}

PaneSize CDlgPlayFiles::Size() const { return {Scale().Scale(kWidth), Scale().Scale(kHeight)}; }

bool CDlgPlayFiles::OnInitDialog() {
    CBitmapDialog::OnInitDialog();
    const std::wstring folder = RecordingsFolder();
    if (!FolderExists(folder)) CreateFolder(folder);
    // The installer of the original program registered a companion COM
    // object that this window could talk to; nothing here needs it, so it
    // is left out.
    SetUpControls();
    RefreshList();
    Sort(RecordingSortKey::Name);
    watcher_.Start(hwnd_, folder);
    AddComboEntry(fileFormat_, L"MP3");
    AddComboEntry(fileFormat_, L"WAV");
    Post(WM_SET_UP_CAPTURE);
    return true;
}

void CDlgPlayFiles::SetUpControls() {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_PLAYER))));

    AttachSkinnedButton(close_, Item(IDC_REC_CLOSE), IDB_CLOSE, kKeyColour);
    AttachSkinnedButton(rename_, Item(IDC_REC_RENAME), IDB_RENAME, kKeyColour);
    AttachSkinnedButton(delete_, Item(IDC_REC_DELETE), IDB_DELETE, kKeyColour);
    AttachSkinnedButton(selectAll_, Item(IDC_REC_SELECT_ALL), IDB_SELECT_ALL, kKeyColour);
    AttachSkinnedButton(sort_, Item(IDC_REC_SORT), IDB_SORT, kKeyColour);
    AttachSkinnedButton(help_, Item(IDC_REC_HELP), IDB_HELP, kKeyColour);
    AttachSkinnedButton(record_, Item(IDC_REC_RECORD), IDB_RECORD, kKeyColour);
    AttachSkinnedButton(play_, Item(IDC_REC_PLAY), IDB_RECORDER_PLAY, kPlayKeyColour);
    record_.SetLitImages(IDB_RECORD_LIT, kKeyColour);
    play_.SetLitImages(IDB_RECORDER_PLAY_LIT, kPlayKeyColour);
    AttachSkinnedButton(stop_, Item(IDC_REC_STOP), IDB_RECORDER_STOP, kKeyColour);
    AttachSkinnedButton(folder_, Item(IDC_REC_FOLDER), IDB_RECORDER_FOLDER, kKeyColour);
    SetUpLink(recordLink_, IDC_REC_RECORD_LINK);
    SetUpLink(playLink_, IDC_REC_PLAY_LINK);
    SetUpLink(stopLink_, IDC_REC_STOP_LINK);
    SetUpLink(folderLink_, IDC_REC_FOLDER_LINK);
    // The note sits in the title bar, in its white.
    SetUpLink(note_, IDC_REC_NOTE);
    note_.SetLinkTextColour(RGB(255, 255, 255));
    note_.SetHandOverText(false);

    AttachControl(renameField_, IDC_REC_RENAME_FIELD);
    AttachControl(device_, IDC_REC_DEVICE);
    AttachControl(fileFormat_, IDC_REC_FILE_FORMAT);
    AttachControl(channel_, IDC_REC_CHANNEL);
    device_.SetTooltip(L"Soundcard");
    fileFormat_.SetTooltip(L"Format");
    channel_.SetTooltip(L"Recording channel");
    SetUpList();
    SetUpMeterAndVolume();
    ApplyMonitorScale();
}

void CDlgPlayFiles::ApplyScale() {
    ResizeToSkin(kWidth, kHeight);
    SetBackground(IDB_RECORDER);
    SetDragRegion(IDB_RECORDER_DRAG);
    PlaceControls(hwnd_, kPlaces);
    ScaleReportColumns(list_, kListColumns);
    const RECT meter = MeterPlace();
    MoveWindow(meter_.Hwnd(), meter.left, meter.top, meter.right - meter.left,
               meter.bottom - meter.top, TRUE);
    volume_.SetSkin(IDB_SLIDER_RECORDER, IDB_SLIDER_THUMB);
}

RECT CDlgPlayFiles::MeterPlace() const {
    const PixelRect place = Scale().Scale(RectAt(405, 83, 40, 10));
    return {place.left, place.top, place.right, place.bottom};
}

void CDlgPlayFiles::SetUpLink(CHyperlinkStatic& link, int id) {
    AttachControl(link, id);
    link.SetUnderline(false);
    link.SetLinkTextColour(RGB(0, 0, 0));
}

void CDlgPlayFiles::SetUpList() {
    AttachControl(list_, IDC_REC_LIST);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                                                 LVS_EX_INFOTIP);
    InsertReportColumns(list_, kListColumns);
}

void CDlgPlayFiles::SetUpMeterAndVolume() {
    meter_.Create(hwnd_, MeterPlace(), IDC_REC_METER);
    meter_.SetBackColour(RGB(0, 0, 0));
    meter_.SetBandLayout(1, 13);
    meter_.StartDecayTimer(100);
    meter_.SetPeakDisplay(false);
    meter_.SetGrid(true);
    meter_.SetZoneLimits(30, 44, 48);
    const int silence = 0;
    meter_.SetLevels(std::span<const int>(&silence, 1), 0, 1);

    AttachControl(volume_, IDC_REC_VOLUME);
    volume_.Send(TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    volume_.Send(TBM_SETTICFREQ, 1);
    volume_.SetTipFlags(0x30);
    volume_.InitHoverTooltip(L"Recording volume");
}

std::optional<LRESULT> CDlgPlayFiles::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_RECORDINGS_CHANGED: RefreshList(); return 0;
    case WM_RENAME_DONE: RenameSelected(); return 0;
    case WM_SCHEDULED_RECORDING: OnScheduledRecording(wParam, lParam); return 0;
    case WM_SET_UP_CAPTURE: InitCapture(); return 0;
    case WM_SHOW_HELD_MESSAGES: ShowHeldMessages(); return 0;
    case WM_CLOSE: Show(SW_HIDE); return 0;
    case WM_RECORDING_ENDED: session_.EndedByItself(static_cast<CaptureEnd>(wParam)); return 0;
    case WM_STREAM_COPY_FAILED: OnStreamCopyFailed(); return 0;
    case WM_CTLCOLORDLG: {
        static const HBRUSH brush = CreateSolidBrush(kBackground);
        return reinterpret_cast<LRESULT>(brush);
    }
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == volume_.Hwnd())
            source_.OnVolumeScroll(static_cast<int>(volume_.Send(TBM_GETPOS)));
        return 0;
    case MM_MIXM_CONTROL_CHANGE:
        if (auto position = source_.OnMixerControlChange(static_cast<std::uint32_t>(lParam),
                                                         IsVisible()))
            volume_.SetPosition(*position);
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_REC_LIST && header.code == NM_CLICK) OnListClick();
        if (header.idFrom == IDC_REC_LIST && header.code == NM_RCLICK && !SelectionMark())
            renameField_.SetText(L"");
        if (header.idFrom == IDC_REC_LIST && header.code == LVN_COLUMNCLICK) {
            const int column = reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem;
            if (column >= 0 && column < 3) Sort(kColumnKeys[column]);
        }
        break;
    }
    default: break;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

bool CDlgPlayFiles::PreTranslateMessage(MSG& message) {
    // Enter in the rename field renames at once, before the dialog takes the key.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        message.hwnd == renameField_.Hwnd()) {
        RenameSelected();
        return true;
    }
    return CBitmapDialog::PreTranslateMessage(message);
}

bool CDlgPlayFiles::OnCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_REC_CLOSE: CloseToMainWindow(); return true;
    case IDC_REC_RECORD:
    case IDC_REC_RECORD_LINK: StartRecording(SinceMessage()); return true;
    case IDC_REC_STOP:
    case IDC_REC_STOP_LINK: StopAll(SinceMessage()); return true;
    case IDC_REC_PLAY:
    case IDC_REC_PLAY_LINK: PlaySelected(); return true;
    case IDC_REC_FOLDER:
    case IDC_REC_FOLDER_LINK: OpenFolder(); return true;
    case IDC_REC_RENAME: RenameSelected(); return true;
    case IDC_REC_DELETE: DeleteSelected(); return true;
    case IDC_REC_SELECT_ALL: SelectAll(); return true;
    case IDC_REC_SORT: ShowSortMenu(); return true;
    case IDC_REC_HELP: ShowInstructions(); return true;
    case ID_SORT_BY_NAME: Sort(RecordingSortKey::Name); return true;
    case ID_SORT_BY_SIZE: Sort(RecordingSortKey::Size); return true;
    case ID_SORT_BY_DATE: Sort(RecordingSortKey::Date); return true;
    case IDOK:
    case IDCANCEL: return true;  // Enter and Escape do nothing here
    case IDC_REC_DEVICE:
        if (notifyCode == CBN_SELCHANGE) OnSourceChosen();
        return true;
    case IDC_REC_FILE_FORMAT:
        if (notifyCode == CBN_SELCHANGE)
            OnFileFormatChosen(static_cast<RecordingFileFormat>(ComboSelection(fileFormat_)));
        return true;
    case IDC_REC_CHANNEL:
        if (notifyCode == CBN_SELCHANGE)
            source_.OnChannelChosen(ComboSelection(channel_),
                                    static_cast<int>(volume_.Send(TBM_GETPOS)));
        return true;
    default: return false;
    }
}

void CDlgPlayFiles::OnTimer(UINT_PTR id) {
    if (id == kPlayBlinkTimer) play_.SetLit(!play_.IsLit());
}

void CDlgPlayFiles::ShowRecorder(int command) {
    if (command == SW_SHOW) source_.SelectRecordingSource();
    Show(command);
    if (command == SW_SHOW && !openedByPerson_) {
        openedByPerson_ = true;
        Post(WM_SHOW_HELD_MESSAGES);
    }
}

// The window is made on first use, which may be a scheduled recording with
// nobody at the screen: a box then would hold up the recording until someone
// answers it. So the set-up's complaints wait for a person to open the window.
void CDlgPlayFiles::HoldForPerson(std::wstring_view text) { heldMessages_.emplace_back(text); }

void CDlgPlayFiles::ShowHeldMessages() {
    for (const std::wstring& text : std::exchange(heldMessages_, {})) ShowError(text);
    if (!IsEncoderAvailable(LameEncLoader())) ShowError(kNoEncoderMessage);
}

void CDlgPlayFiles::FollowMainWindow(bool visible) {
    if (!visible) {
        visibleBeforeCompact_ = IsVisible();
        Show(SW_HIDE);
    } else if (visibleBeforeCompact_) {
        ShowRecorder(SW_SHOW);
    }
}

void CDlgPlayFiles::StopPlayIndicator() {
    StopTimer(kPlayBlinkTimer);
    play_.SetLit(false);
}

void CDlgPlayFiles::CloseToMainWindow() {
    PostMessageW(GetParent(hwnd_), WM_RECORDER_PANE_MOVED, 0, 0);
    Show(SW_HIDE);
}

// The list

void CDlgPlayFiles::RefreshList() {
    RefreshRecordingRows(rows_, ListFolderEntries(RecordingsFolder()));
    ShowRows();
}

// A recording in progress changes its file's size several times a second,
// and a copy of a stream starts a new file at each track; rewriting just the
// cells that changed and putting in just the new rows keeps that from costing
// more than the recording itself, as building the whole list anew each time
// did. The list control moves the selection, the focus and the mark down
// with their rows. Anything else (a file gone or renamed, a sort) builds the
// list anew, putting the user's choice back on the rows of the same names.
void CDlgPlayFiles::ShowRows() {
    if (auto edits = RecordingListEditsFor(shownRows_, rows_)) {
        for (std::size_t index = 0; index < edits->inserted; ++index)
            InsertRow(static_cast<int>(index));
        for (const RecordingCellChange& change : edits->cells)
            ListView_SetItemText(list_, change.row, change.column,
                                 const_cast<wchar_t*>(change.text.c_str()));
        shownRows_ = rows_;
        return;
    }
    const RecordingsChoice choice = ShownChoice();
    RebuildList();
    shownRows_ = rows_;
    ShowChoice(choice);
}

RecordingsChoice CDlgPlayFiles::ShownChoice() const {
    RecordingsChoice choice;
    const int count = static_cast<int>(shownRows_.size());
    const auto nameAt = [&](int row) {
        return row >= 0 && row < count ? shownRows_[row].name : std::wstring();
    };
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0 && row < count;
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED))
        choice.selected.push_back(shownRows_[row].name);
    choice.focused = nameAt(ListView_GetNextItem(list_, -1, LVNI_FOCUSED));
    choice.mark = nameAt(ListView_GetSelectionMark(list_));
    return choice;
}

void CDlgPlayFiles::ShowChoice(const RecordingsChoice& choice) {
    const RecordingsChoiceRows rows = FindChosenRows(choice, rows_);
    for (const int row : rows.selected)
        ListView_SetItemState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
    if (rows.focused >= 0) ListView_SetItemState(list_, rows.focused, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_SetSelectionMark(list_, rows.mark);
}

void CDlgPlayFiles::RebuildList() {
    ListView_DeleteAllItems(list_);
    for (int index = 0; index < static_cast<int>(rows_.size()); ++index) InsertRow(index);
}

void CDlgPlayFiles::InsertRow(int index) {
    const RecordingRow& row = rows_[index];
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(row.date.c_str());
    ListView_InsertItem(list_, &item);
    ListView_SetItemText(list_, index, 1, const_cast<wchar_t*>(row.name.c_str()));
    ListView_SetItemText(list_, index, 2, const_cast<wchar_t*>(row.size.c_str()));
}

void CDlgPlayFiles::Sort(RecordingSortKey key) {
    RefreshRecordingRows(rows_, ListFolderEntries(RecordingsFolder()));
    const bool ascending = sortState_.NextIsAscending(key);
    SortRecordingRows(rows_, key, ascending);
    sortState_.Sorted(key, ascending);
    ShowRows();
}

void CDlgPlayFiles::ShowSortMenu() {
    const HMENU menu = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_SORT_MENU));
    if (!menu) return;
    const HMENU popup = GetSubMenu(menu, 0);
    const UINT items[] = {ID_SORT_BY_NAME, ID_SORT_BY_SIZE, ID_SORT_BY_DATE};
    const int checked = sortState_.CheckedKey();
    if (checked >= 0) CheckMenuItem(popup, items[checked], MF_BYCOMMAND | MF_CHECKED);
    RECT button;
    GetWindowRect(sort_, &button);
    TrackPopupMenu(popup, TPM_LEFTALIGN, button.right, button.top, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

std::optional<int> CDlgPlayFiles::SelectionMark() const {
    const int mark = ListView_GetSelectionMark(list_);
    if (mark < 0 || mark >= static_cast<int>(rows_.size())) return std::nullopt;
    if (!(ListView_GetItemState(list_, mark, LVIS_SELECTED) & LVIS_SELECTED)) return std::nullopt;
    return mark;
}

void CDlgPlayFiles::OnListClick() {
    const std::optional<int> mark = SelectionMark();
    renameField_.SetText(mark ? rows_[*mark].name.c_str() : L"");
}

void CDlgPlayFiles::SelectAll() {
    for (int index = 0; index < static_cast<int>(rows_.size()); ++index)
        ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list_);
}

void CDlgPlayFiles::DeleteSelected() {
    // The names are taken before the question: the list may be rebuilt while
    // the box is up, and what goes is what the user saw selected when asked.
    const std::vector<std::wstring> names = ShownChoice().selected;
    if (names.empty()) return;
    const wchar_t* question = names.size() > 1 ? L"Are you sure you want to delete files?"
                                               : L"Are you sure you want to delete file?";
    if (MessageBoxW(hwnd_, question, L"", MB_OKCANCEL) != IDOK) return;
    const std::wstring folder = RecordingsFolder();
    for (const std::wstring& name : names) {
        const std::wstring path = folder + name;
        host_.ReleaseRecordingFile(path);
        DeleteFileW(path.c_str());
    }
    renameField_.SetText(L"");
}

void CDlgPlayFiles::RenameSelected() {
    const std::optional<int> mark = SelectionMark();
    if (!mark) return;
    const std::wstring folder = RecordingsFolder();
    const std::wstring oldName = rows_[*mark].name;
    if (!FileExists(folder + oldName)) return;
    const std::wstring newName = RenamedRecordingName(oldName, renameField_.Text());
    MoveFileW((folder + oldName).c_str(), (folder + newName).c_str());
    renameField_.SetText(newName.c_str());
}

void CDlgPlayFiles::PlaySelected() {
    const std::optional<int> mark = SelectionMark();
    if (!mark) return;
    const std::wstring path = RecordingsFolder() + rows_[*mark].name;
    StopAll();
    StartTimer(kPlayBlinkTimer, kBlinkMs);
    host_.PlayRecordingFile(path);
}

void CDlgPlayFiles::OpenFolder() {
    OpenOwnLocalPath(hwnd_, RecordingsFolder());
}

void CDlgPlayFiles::ShowInstructions() {
    if (!instructions_) instructions_ = std::make_unique<CDlgImportant>(hwnd_);
    instructions_->ShowCentred();
}

// Built anew at a new scale, the instructions window has a new size: it is
// centred again, on the monitor it went to.
void CDlgPlayFiles::PlaceOwnedWindowAgain(HWND owned) {
    if (instructions_ && owned == instructions_->Hwnd()) instructions_->Centre();
}

// Recording

void CDlgPlayFiles::StartRecording(std::chrono::milliseconds clickedAgo) {
    if (copySource_)
        StartStreamCopy(std::nullopt);
    else
        session_.StartRecording(clickedAgo);
}

void CDlgPlayFiles::StopAll(std::chrono::milliseconds clickedAgo) {
    StopStreamCopy();
    session_.StopAll(clickedAgo);
}

// Capture set-up

// The sound card is set up whichever source was chosen, ready for a switch.
void CDlgPlayFiles::InitCapture() {
    device_.SetCopyAvailable([this] { return !host_.MediaPlayerControlPlaysStation(); });
    const bool copyChosen = StoredSourceIsStreamCopy(registry_);
    InitSoundCard(copyChosen);
    if (copyChosen) UseStreamCopy(true);
}

void CDlgPlayFiles::InitSoundCard(bool copyChosen) {
    devices_ = EnumerateCaptureDevices();
    SendMessageW(device_, CB_RESETCONTENT, 0, 0);
    AddComboEntry(device_, kStreamCopySourceName);
    std::vector<std::wstring> names;
    for (const CaptureDeviceEntry& entry : devices_) {
        names.push_back(entry.description);
        AddComboEntry(device_, entry.description);
    }
    if (devices_.empty()) {
        // The stream copy needs no sound card.
        if (!copyChosen) HoldForPerson(CaptureSetupMessage(CaptureSetupStep::Device, true));
        return;
    }
    const std::size_t device = StoredDeviceEntry(registry_, names);
    if (!copyChosen) SendMessageW(device_, CB_SETCURSEL, device + kFirstDeviceEntry, 0);
    const RecordingFileFormat format = StoredFileFormat(registry_);
    SendMessageW(fileFormat_, CB_SETCURSEL, static_cast<WPARAM>(format), 0);
    if (const auto failed = SetUpCaptureFor(static_cast<int>(device), format)) {
        HoldForPerson(CaptureSetupMessage(*failed, false));
        return;
    }

    if (auto position = source_.OpenRecordingMixer(WinmmRecordingMixer::Open(hwnd_)))
        volume_.SetPosition(*position);
    source_.SelectRecordingSource();
    SendMessageW(channel_, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& entry : source_.ChannelEntries()) AddComboEntry(channel_, entry);
    SendMessageW(channel_, CB_SETCURSEL, source_.ChannelSelection(), 0);
}

std::optional<CaptureSetupStep> CDlgPlayFiles::SetUpCaptureFor(int deviceEntry,
                                                               RecordingFileFormat format) {
    StopAll();
    std::unique_ptr<DirectSoundCaptureDevice> device;
    if (deviceEntry >= 0 && deviceEntry < static_cast<int>(devices_.size()))
        device = DirectSoundCaptureDevice::Open(devices_[deviceEntry].guid);
    const CaptureSetup setup = SetUpCapture(engine_, std::move(device), format);
    session_.SetFileFormat(format);
    if (setup.failed != CaptureSetupStep::Done) return setup.failed;
    SaveCaptureSettings(registry_, {devices_[deviceEntry].description,
                                    setup.format->text, format});
    return std::nullopt;
}

void CDlgPlayFiles::OnDeviceChosen(int deviceEntry) {
    if (const auto failed = SetUpCaptureFor(deviceEntry, session_.FileFormat()))
        ShowError(CaptureSetupMessage(*failed, false));
}

void CDlgPlayFiles::OnFileFormatChosen(RecordingFileFormat format) {
    if (const auto failed = SwitchFileFormat(format)) {
        ShowError(CaptureSetupMessage(*failed, false));
        return;
    }
    if (format == RecordingFileFormat::Mp3 && !IsEncoderAvailable(LameEncLoader()))
        ShowError(kNoEncoderMessage);
}

std::size_t CDlgPlayFiles::StoredDevice() {
    std::vector<std::wstring> names;
    for (const CaptureDeviceEntry& entry : devices_) names.push_back(entry.description);
    return StoredDeviceEntry(registry_, names);
}

std::optional<CaptureSetupStep> CDlgPlayFiles::SwitchFileFormat(RecordingFileFormat format) {
    const std::size_t device = StoredDevice();
    SendMessageW(device_, CB_SETCURSEL, device + kFirstDeviceEntry, 0);
    return SetUpCaptureFor(static_cast<int>(device), format);
}

void CDlgPlayFiles::OnScheduledRecording(WPARAM item, LPARAM action) {
    const std::unique_ptr<QueuedRecording> entry = TakeScheduledRecording(item);
    StopAll();
    if (static_cast<ScheduledAction>(action) != ScheduledAction::Start || !entry) return;
    if (copySource_) {
        if (!StartStreamCopy(entry->name)) host_.ScheduledRecordingFailed(entry->id);
        return;
    }
    // The combo keeps showing the user's choice; the set-up follows the entry.
    // A set-up that fails shows nothing: the start below then fails too, and
    // nothing else would end an entry that never recorded. The capture that
    // runs already is kept when the format stays: a new one may start late.
    const auto format = static_cast<RecordingFileFormat>(entry->format);
    if (format != session_.FileFormat()) SwitchFileFormat(format);
    if (!session_.StartScheduledRecording(entry->name)) host_.ScheduledRecordingFailed(entry->id);
}

void CDlgPlayFiles::ChooseRecordingsFolder() {
    BROWSEINFOW info{};
    info.hwndOwner = hwnd_;
    info.lpszTitle = L"Select location of \"My Recordings\"";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return;
    wchar_t path[MAX_PATH] = {};
    SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (path[0] == L'\0') return;
    std::wstring parent = path;
    while (!parent.empty() && parent.back() == L'\\') parent.pop_back();
    auto key = registry_.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, true);
    if (key) key->WriteString(kRecordFolderValue, parent + L"\\");
}

// RecorderActions

std::wstring CDlgPlayFiles::RecordingsFolder() { return GetRecordingsFolder(registry_); }

bool CDlgPlayFiles::FolderExists(const std::wstring& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CDlgPlayFiles::CreateFolder(const std::wstring& folder) {
    return CreateDirectoryW(folder.c_str(), nullptr) != FALSE;
}

bool CDlgPlayFiles::FileExists(const std::wstring& path) { return RecordingFileExists(path); }

void CDlgPlayFiles::ChooseFolderAndWatch() {
    ChooseRecordingsFolder();
    const std::wstring folder = RecordingsFolder();
    CreateFolder(folder);
    if (FolderExists(folder) && watcher_.Start(hwnd_, folder)) RefreshList();
}

std::unique_ptr<SampleWriter> CDlgPlayFiles::OpenWriter(const std::wstring& path,
                                                        RecordingFileFormat format) {
    const auto& captureFormat = engine_.Format();
    if (!captureFormat) return nullptr;
    if (format == RecordingFileFormat::Wav) {
        auto writer = std::make_unique<WaveFileWriter>();
        if (writer->Open(path, *captureFormat) != WaveResult::Ok) return nullptr;
        return writer;
    }
    auto encoder = std::make_unique<Mp3FileEncoder>(LameEncLoader());
    if (!encoder->Open(path, captureFormat->sampleRate, captureFormat->channels))
        return nullptr;
    return encoder;
}

void CDlgPlayFiles::DiscardFile(const std::wstring& path) { DeleteFileW(path.c_str()); }

void CDlgPlayFiles::ShowError(std::wstring_view text) {
    MessageBoxW(hwnd_, std::wstring(text).c_str(), L"", MB_ICONERROR);
}

void CDlgPlayFiles::ShowWarning(std::wstring_view text) {
    MessageBoxW(hwnd_, std::wstring(text).c_str(), kCaption, MB_ICONWARNING);
}

void CDlgPlayFiles::StopPlayback() {
    StopPlayIndicator();
    host_.StopRecordingPlayback();
}

void CDlgPlayFiles::RecordingStarted(bool scheduled) {
    host_.NotifyRecordingState(true, scheduled);
}

void CDlgPlayFiles::RecordingStopped(bool scheduled, std::optional<CaptureEnd> ended) {
    const auto& format = engine_.Format();
    note_.SetLinkText(LastRecordingNote(engine_.LastRecordingLoss(),
                                        format ? format->AvgBytesPerSec() : 0, ended)
                          .c_str());
    ShowRecordingStopped(scheduled);
}

void CDlgPlayFiles::ShowRecordingStopped(bool scheduled) {
    host_.NotifyRecordingState(false, scheduled);
}
