#include "recording/scheduler/dlg_timer.h"

#include "common/helpers/shell_open.h"
#include "common/ports/app_folder.h"
#include "host/player_messages.h"
#include "recording/recorder/recordings_folder.h"
#include "recording/scheduler/queued_recording_file.h"
#include "recording/scheduler/scheduled_recording_message.h"
#include "recording/scheduler/scheduler_ids.h"
#include "recording/scheduler/scheduler_messages.h"
#include "recording/scheduler/scheduler_time.h"
#include "res/resource.h"
#include "res/skin_ids.h"
#include "skin/place_control.h"
#include "skin/report_columns.h"

#include <commctrl.h>

namespace {

constexpr int kWidth = 459;
constexpr int kHeight = 215;
constexpr COLORREF kKeyColour = RGB(255, 0, 255);
constexpr UINT_PTR kSchedulerTimer = 1366;
constexpr UINT kTickMs = 5000;
constexpr int kStatusColumn = 4;
// Posted to itself at creation: the queue loads once the main window shows.
constexpr UINT kLoadQueue = WM_APP + 1;

constexpr ControlPlace kPlaces[] = {
    {IDC_SCHED_CLOSE, 444, 3, 12, 11},        {IDC_SCHED_ADD, 376, 167, 76, 20},
    {IDC_SCHED_DELETE, 376, 189, 76, 20},     {IDC_SCHED_FOLDER, 355, 168, 20, 16},
    {IDC_SCHED_STATION, 51, 170, 128, 14},    {IDC_SCHED_NAME, 191, 166, 114, 21},
    {IDC_SCHED_FORMAT, 306, 166, 48, 80},     {IDC_SCHED_START_DATE, 38, 190, 70, 19},
    {IDC_SCHED_START_TIME, 109, 190, 79, 19}, {IDC_SCHED_END_DATE, 224, 190, 70, 19},
    {IDC_SCHED_END_TIME, 294, 190, 79, 19},   {IDC_SCHED_LIST, 3, 27, 452, 133},
};

constexpr int kPickers[] = {IDC_SCHED_START_DATE, IDC_SCHED_START_TIME, IDC_SCHED_END_DATE,
                            IDC_SCHED_END_TIME};

constexpr ReportColumn kColumns[] = {
    {L"Station name:", 99}, {L"Start:", 99}, {L"End:", 99}, {L"Recording name:", 97},
    {L"Status:", 50}};

SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

// The date of one picker with the hour and minute of the other.
LocalTime DateAndTime(HWND datePicker, HWND timePicker) {
    const SYSTEMTIME date = PickerTime(datePicker);
    const SYSTEMTIME time = PickerTime(timePicker);
    return {date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, 0};
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    ListView_SetItemText(list, row, column, const_cast<wchar_t*>(text.c_str()));
}

}  // namespace

std::unique_ptr<DockedPane> CreateSchedulerPane(HWND owner) {
    auto pane = std::make_unique<CDlgTimer>(owner, GetAppFolder() + kQueueFileName);
    if (!pane->Create()) return nullptr;
    return pane;
}

CDlgTimer::CDlgTimer(HWND owner, std::wstring queueFile)
    : CBitmapDialog(IDD_SCHEDULER, owner), queueFile_(std::move(queueFile)) {
    SetKeyColour(kKeyColour);
    SetShaped(true);
}

PaneSize CDlgTimer::Size() const { return {Scale().Scale(kWidth), Scale().Scale(kHeight)}; }

bool CDlgTimer::OnInitDialog() {
    CBitmapDialog::OnInitDialog();
    SetUpControls();
    // The main window makes this pane while it starts; the first reading of
    // queued.xml loads the XML component, which the main window's first
    // look need not wait for.
    Post(kLoadQueue);
    return true;
}

void CDlgTimer::LoadQueue() {
    queue_.Load(queueFile_);
    ShowRows();
    StartTimer(kSchedulerTimer, kTickMs);
    Tick();
}

void CDlgTimer::SetUpControls() {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_PLAYER))));

    AttachSkinnedButton(close_, Item(IDC_SCHED_CLOSE), IDB_CLOSE, kKeyColour);
    AttachSkinnedButton(add_, Item(IDC_SCHED_ADD), IDB_SCHEDULER_ADD, kKeyColour);
    AttachSkinnedButton(delete_, Item(IDC_SCHED_DELETE), IDB_SCHEDULER_DELETE, kKeyColour);
    AttachSkinnedButton(folder_, Item(IDC_SCHED_FOLDER), IDB_SCHEDULER_FOLDER, kKeyColour);
    AttachControl(stationLink_, IDC_SCHED_STATION);
    stationLink_.SetUnderline(false);
    stationLink_.SetLinkText(station_.Current().name.c_str());

    SetDlgItemTextW(hwnd_, IDC_SCHED_NAME, L"Recording name");
    for (const wchar_t* format : {L"MP3", L"WAV"})
        SendDlgItemMessageW(hwnd_, IDC_SCHED_FORMAT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(format));
    SendDlgItemMessageW(hwnd_, IDC_SCHED_FORMAT, CB_SETCURSEL, 0, 0);
    SetUpList();
    ApplyMonitorScale();
}

void CDlgTimer::ApplyScale() {
    ResizeToSkin(kWidth, kHeight);
    SetBackground(IDB_SCHEDULER);
    SetDragRegion(IDB_SCHEDULER_DRAG);
    PlaceControls(hwnd_, kPlaces);
    ScaleReportColumns(Item(IDC_SCHED_LIST), kColumns);
    ApplyPickerFont();
}

void CDlgTimer::ApplyPickerFont() {
    pickerFont_.Reset(CreateFontW(Scale().Scale(12), Scale().Scale(5), 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, L"Arial"));
    for (int id : kPickers)
        SendDlgItemMessageW(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(pickerFont_.Get()),
                            TRUE);
}

void CDlgTimer::SetUpList() {
    const HWND list = Item(IDC_SCHED_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                                                LVS_EX_INFOTIP);
    InsertReportColumns(list, kColumns);
}

std::optional<LRESULT> CDlgTimer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: Show(SW_HIDE); return 0;
    case kLoadQueue: LoadQueue(); return 0;
    case WM_DESTROY: StopTimer(kSchedulerTimer); break;
    default: break;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

// The Delete key deletes when it is let go, as the list sees it.
bool CDlgTimer::PreTranslateMessage(MSG& message) {
    if (message.message == WM_KEYUP && message.wParam == VK_DELETE &&
        message.hwnd == Item(IDC_SCHED_LIST)) {
        DeleteSelected();
        return true;
    }
    return CBitmapDialog::PreTranslateMessage(message);
}

bool CDlgTimer::OnCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_SCHED_CLOSE: Show(SW_HIDE); return true;
    case IDC_SCHED_ADD: Add(); return true;
    case IDC_SCHED_DELETE: DeleteSelected(); return true;
    case IDC_SCHED_FOLDER: OpenFolder(); return true;
    case IDC_SCHED_STATION:
        if (notifyCode == STN_CLICKED) PostMessageW(Parent(), WM_OPEN_STATION_BROWSER, 0, 0);
        return true;
    case IDOK:
    case IDCANCEL: return true;  // Enter and Escape do nothing here
    default: return false;
    }
}

void CDlgTimer::OnTimer(UINT_PTR id) {
    if (id == kSchedulerTimer) Tick();
}

void CDlgTimer::OnStationChanged(const StationInfo& station) {
    SetStation(station.name, station.homepage, station.banner, station.streamlink);
}

void CDlgTimer::SetStation(const std::wstring& name, const std::wstring& homepage,
                           const std::wstring& banner, const std::wstring& streamlink) {
    station_.SetStation(name, homepage, banner, streamlink);
    stationLink_.SetLinkText(station_.Current().name.c_str());
}

void CDlgTimer::MarkRunningDone() {
    queue_.MarkRunningDone();
    QueueChanged(false);
}

void CDlgTimer::MarkStartFailed(unsigned id) {
    queue_.MarkStartFailed(id);
    QueueChanged(false);
}

void CDlgTimer::Tick() {
    const std::vector<SchedulerRequest> requests = queue_.Tick();
    if (requests.empty()) return;
    QueueChanged(false);
    PostRequests(requests);
}

void CDlgTimer::PostRequests(const std::vector<SchedulerRequest>& requests) const {
    for (const SchedulerRequest& request : requests) PostScheduledRecording(Parent(), request);
}

void CDlgTimer::Add() {
    const AddResult result =
        queue_.Add(station_.Current(), Choice(), GetRecordingsFolder(registry_));
    if (result.outcome == AddOutcome::Added) {
        QueueChanged(true);
        return;
    }
    if (result.outcome == AddOutcome::Overlap) SelectRow(result.collidingRow);
    MessageBoxW(hwnd_, AddWarning(result.outcome), kSchedulerCaption, MB_ICONWARNING);
}

RecordingChoice CDlgTimer::Choice() const {
    RecordingChoice choice;
    choice.typedName = Window(Item(IDC_SCHED_NAME)).Text();
    choice.format = SendDlgItemMessageW(hwnd_, IDC_SCHED_FORMAT, CB_GETCURSEL, 0, 0) == 1
                        ? RecordingFormat::Wav
                        : RecordingFormat::Mp3;
    choice.start = DateAndTime(Item(IDC_SCHED_START_DATE), Item(IDC_SCHED_START_TIME));
    choice.end = DateAndTime(Item(IDC_SCHED_END_DATE), Item(IDC_SCHED_END_TIME));
    return choice;
}

void CDlgTimer::DeleteSelected() {
    const std::vector<unsigned> ids = SelectedIds();
    if (ids.empty()) return;
    if (MessageBoxW(hwnd_, DeleteQuestion(ids.size()), L"", MB_OKCANCEL) != IDOK) return;
    // A recording that runs stops before its row goes.
    PostRequests(queue_.Remove(ids));
    QueueChanged(true);
}

std::vector<unsigned> CDlgTimer::SelectedIds() const {
    const HWND list = Item(IDC_SCHED_LIST);
    std::vector<unsigned> ids;
    const auto& entries = queue_.Entries();
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (ListView_GetItemState(list, static_cast<int>(row), LVIS_SELECTED) & LVIS_SELECTED)
            ids.push_back(entries[row].id);
    }
    return ids;
}

void CDlgTimer::SelectRow(std::size_t row) const {
    const HWND list = Item(IDC_SCHED_LIST);
    const int index = static_cast<int>(row);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, index);
    ListView_EnsureVisible(list, index, FALSE);
}

void CDlgTimer::OpenFolder() {
    OpenOwnLocalPath(hwnd_, GetRecordingsFolder(registry_));
}

void CDlgTimer::ShowRows() const {
    const HWND list = Item(IDC_SCHED_LIST);
    ListView_DeleteAllItems(list);
    const auto& entries = queue_.Entries();
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        const QueuedRecording& entry = entries[row];
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.lParam = static_cast<LPARAM>(entry.id);
        item.pszText = const_cast<wchar_t*>(entry.station.c_str());
        ListView_InsertItem(list, &item);
        SetCell(list, row, 1, FormatScheduleTime(entry.start));
        SetCell(list, row, 2, FormatScheduleTime(entry.end));
        SetCell(list, row, 3, entry.name);
    }
    ShowStatuses();
}

void CDlgTimer::ShowStatuses() const {
    const HWND list = Item(IDC_SCHED_LIST);
    const auto& entries = queue_.Entries();
    for (int row = 0; row < static_cast<int>(entries.size()); ++row)
        SetCell(list, row, kStatusColumn, StatusText(entries[row].status));
}

// The queue is saved at every change, so a crash loses no recording the
// user scheduled, and nothing is left to save when the pane goes. (Saving
// while the main window is destroyed also kept Wine's process alive for
// seconds after its window had gone.)
void CDlgTimer::QueueChanged(bool rowsChanged) {
    if (rowsChanged) {
        ShowRows();
    } else {
        ShowStatuses();
    }
    queue_.Save(queueFile_);
}
