#include "shell/orvane_dlg.h"

#include "common/helpers/shell_open.h"
#include "common/helpers/web_url.h"
#include "common/ports/app_folder.h"
#include "directory/link_command.h"
#include "host/player_messages.h"
#include "host/player_settings.h"
#include "host/site_urls.h"
#include "recording/recorder/dlg_play_files.h"
#include "recording/scheduler/scheduled_recording_message.h"
#include "res/resource.h"
#include "res/skin_ids.h"
#include "shell/docked_panes.h"
#include "shell/download_notice_dlg.h"
#include "shell/get_directx_version.h"
#include "shell/orvane_app.h"
#include "web/web_search.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 255);

constexpr UINT_PTR kNowPlayingTimer = 1001;
constexpr UINT_PTR kRepaintTimer = 1003;
constexpr UINT_PTR kMarqueeTimer = 1005;
constexpr UINT_PTR kRecordingBlinkTimer = 3331;
constexpr UINT kNowPlayingPeriodMs = 50000;
constexpr UINT kRecordingBlinkMs = 500;

// Posted to itself when the window first shows.
constexpr UINT kFinishStart = WM_APP + 1;
constexpr int kFullVolume = 100;
constexpr int kVolumeKeyStep = 5;

// The controls that the layouts show and hide. The banner's place stays
// empty until the banner control is there.
constexpr int kLayoutControls[] = {
    IDC_COMPACT, IDC_HIDE,      IDC_SWITCH_OFF, IDC_SEARCH,    IDC_GO,
    IDC_LINKS,   IDC_LINKS_SPIN, IDC_STATION,   IDC_RECORDER,  IDC_FAVORITES,
    IDC_SCHEDULER, IDC_STATUS,  IDC_STOP,       IDC_PLAY,      IDC_MUTE,
    IDC_VOLUME,
};

// Hide and switch off put these away with the main window; info and search
// stay as they are.
constexpr PaneKind kPanesHiddenWithWindow[] = {PaneKind::StationBrowser, PaneKind::Recorder,
                                               PaneKind::Favorites, PaneKind::Scheduler};

RECT ToRect(const PixelRect& place) { return {place.left, place.top, place.right, place.bottom}; }
PixelRect ToPixelRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

HFONT MakeArial(int height, int width) {
    return CreateFontW(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Arial");
}

LPARAM SharedIcon(UINT iconId, int width, int height) {
    return reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                               IMAGE_ICON, width, height, LR_SHARED));
}

// The small icon too, from its own picture in the resource: given only the
// big one, the system shrinks it at every change, which under Wine took an
// eighth of the window thread's time while a recording blinks the icon.
void SetWindowIcons(HWND window, UINT iconId) {
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 SharedIcon(iconId, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 SharedIcon(iconId, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
}

}  // namespace

COrvaneDlg::COrvaneDlg()
    : CBitmapDialog(IDD_ORVANE_DIALOG, nullptr),
      refresh_(DirectoryPlace{GetAppFolder(), SiteBaseUrl(registry_)}) {
    SetKeyColour(kKeyColour);
    SetShaped(true);
    transparentStatics = false;
}

bool COrvaneDlg::OnInitDialog() {
    CBitmapDialog::OnInitDialog();
    templateFont_.Remember(hwnd_, Scale().Dpi());
    SilenceNavigationSound(registry_);
    SetUpControls();
    ShowCurrentLink();
    RemoveAutostartValue(registry_);
    SetText(kMainWindowTitle);
    // The hidden check box mirrors "Play"; checked stands for 0.
    CheckDlgButton(hwnd_, IDC_PLAY_ON_START,
                   ReadPlaySetting(registry_) ? BST_UNCHECKED : BST_CHECKED);
    refresh_.Start(hwnd_, false);
    StartTimer(kNowPlayingTimer, kNowPlayingPeriodMs);
    StartTimer(kRepaintTimer, 1);
    MoveToTopRight();
    search_.Send(EM_SETSEL, 0, -1);
    search_.Send(EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Type in search word"));
    // A dialog box shows itself only once its queue is empty, and paints
    // after whatever is posted: shown and drawn now, the window is up before
    // a directory that is already waiting is read, and before the slower
    // steps of FinishStart.
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    return true;
}

// The mixer, the media player control and the tray icon each load libraries
// of their own, the scheduler pane reads its queue, and under Wine each
// registry write waits on its server: the window shows without waiting for
// any of them.
void COrvaneDlg::FinishStart() {
    EnsurePane(PaneKind::Scheduler);  // scheduled recordings run while it is hidden
    if (speakerMute_.Open(hwnd_)) ShowMuteState();
    const bool haveControl = control_.Create(Item(IDC_MEDIA_PLAYER), playback_);
    // The radio engine takes the control's volume, so both play alike; with
    // no control it plays at full volume rather than silently.
    const int volume = haveControl ? player_.Volume() : kFullVolume;
    player_.SetVolume(volume);
    volume_.SetPosition(volume);
    SetWindowIcons(hwnd_, IDI_PLAYER);
    mute_.SetTooltipText(L"Mute");  // a tooltip is a window of its own
    tray_.Add(hwnd_);
    mediaHotKeys_.Register(hwnd_);
    WriteRadioDirectoryAndTickerUrl(registry_, GetAppFolder(), SiteBaseUrl(registry_));
    CreateBanner();
    directXLookup_.Start();
    // Creating the control is the test of the media player. The player goes
    // on without it: MP3 radio plays through its own engine.
    if (!haveControl) CDlgWMPErr(hwnd_).DoModal();
}

void COrvaneDlg::CreateBanner() {
    const std::optional<PixelRect> place = ScaledPlace(IDC_BANNER, MainLayout::Full);
    wchar_t tip[64] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDS_BANNER_TIP, tip, 64);
    if (!place || !banner_.Create(hwnd_, ToRect(*place), SiteBaseUrl(registry_),
                                  GetAppFolder() + L"HTML\\banner.html", tip, *this))
        return;
    banner_.Show(layout_ == MainLayout::Full);
    OpenInBanner(SiteBaseUrl(registry_) + L"banner.php?bid=12");
}

// A refused certificate leaves the banner as a page that fails to load does.
void COrvaneDlg::OpenInBanner(const std::wstring& url) {
    bannerPages_.Open(
        hwnd_, url, [this](const std::wstring& page) { banner_.Navigate(page); },
        [this] { banner_.NavigateToLocalPage(); });
}

void COrvaneDlg::PlayLink(const std::wstring& url) {
    playback_.Stop();
    player_.SetUrl(url);
    player_.Play();
}

void COrvaneDlg::SetUpControls() {
    for (const SkinnedButton& button : SkinnedButtons())
        AttachSkinnedButton(button.control, Item(button.id), button.picture, kKeyColour);
    recorder_.SetLitImages(IDB_RECORDER_BUTTON_LIT, kKeyColour);

    AttachControl(volume_, IDC_VOLUME);
    volume_.Send(TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    volume_.SetTipFlags(kTipShowValue | kTipFollowThumb);

    AttachControl(status_, IDC_STATUS);
    status_.SetHandOverText(false);
    status_.SetUnderline(false);
    status_.SetLinkTextColour(RGB(0, 0, 0));

    AttachControl(go_, IDC_GO);
    go_.SetBold(true);
    go_.SetUnderline(false);
    go_.SetLinkTextColour(RGB(0, 0, 160));

    AttachControl(search_, IDC_SEARCH);
    search_.OnEnterReleased([this] { RunWebSearch(hwnd_, search_, SearchUrl(registry_)); });
    AttachControl(links_, IDC_LINKS);
    ApplyScaledFonts();
    PlaceControl(IDC_BANNER);
    ApplyLayout();
}

// The pictures that stand for each button's state now.
std::array<COrvaneDlg::SkinnedButton, 10> COrvaneDlg::SkinnedButtons() {
    const bool muted = speakerMute_.IsMuted().value_or(false);
    return {{
        {compact_, IDC_COMPACT, layout_ == MainLayout::Full ? IDB_COMPACT : IDB_FULL},
        {hide_, IDC_HIDE, IDB_HIDE},
        {switchOff_, IDC_SWITCH_OFF, IDB_SWITCH_OFF},
        {stop_, IDC_STOP, IDB_STOP},
        {play_, IDC_PLAY, IDB_PLAY},
        {mute_, IDC_MUTE, muted ? IDB_MUTE_ON : IDB_MUTE_OFF},
        {recorder_, IDC_RECORDER, IDB_RECORDER_BUTTON},
        {favorites_, IDC_FAVORITES, IDB_FAVORITES_BUTTON},
        {scheduler_, IDC_SCHEDULER, IDB_SCHEDULER_BUTTON},
        {station_, IDC_STATION, IDB_STATION},
    }};
}

// Moved to a monitor of another scale, the window draws and places it all
// anew, keeping to the place the system suggests on the new monitor. It
// handles the message itself, so the dialog manager's font update does not
// reach the controls that use the template's font: they get it here.
void COrvaneDlg::OnDpiChanged(const RECT& suggested, int dpi) {
    RescaleControls();
    templateFont_.ApplyTo(hwnd_, dpi);
    ApplyScaledFonts();
    ApplyLayout();
    if (const std::optional<PixelRect> banner = ScaledPlace(IDC_BANNER, MainLayout::Full))
        banner_.Move(ToRect(*banner));
    MoveTo(suggested.left, suggested.top);
    FollowMainWindow();
}

// The skin's fonts were chosen in pixels at 100%; they grow with the scale.
void COrvaneDlg::ApplyScaledFonts() {
    const DisplayScale scale = Scale();
    stationFont_.Reset(MakeArial(scale.Scale(14), scale.Scale(5)));
    station_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(stationFont_.Get()), TRUE);
    status_.SetLinkFontSize(13, 4);
    go_.SetLinkFontSize(14, 5);
}

std::optional<PixelRect> COrvaneDlg::ScaledPlace(int id, MainLayout layout) const {
    const std::optional<PixelRect> place = MainControlPlace(id, layout, wideStatus_);
    if (!place) return std::nullopt;
    return Scale().Scale(*place);
}

void COrvaneDlg::PlaceControl(int id) const {
    const std::optional<PixelRect> place = ScaledPlace(id, layout_);
    if (!place) {
        ShowWindow(Item(id), SW_HIDE);
        return;
    }
    // While the window is hidden nothing needs drawing: its first show paints
    // it all, and each redraw here would cost a round trip under Wine.
    MoveWindow(Item(id), place->left, place->top, place->Width(), place->Height(), IsVisible());
}

void COrvaneDlg::ApplyLayout() {
    const bool full = layout_ == MainLayout::Full;
    ResizeToSkin(full ? kFullWidth : kCompactWidth, full ? kFullHeight : kCompactHeight);
    SetBackground(full ? IDB_MAIN_FULL : IDB_MAIN_COMPACT);
    if (full) SetDragRegion(IDB_MAIN_DRAG);
    for (int id : kLayoutControls) {
        PlaceControl(id);
        if (MainControlPlace(id, layout_, false)) ShowWindow(Item(id), SW_SHOW);
    }
    banner_.Show(full);
    compact_.SetImages(full ? IDB_COMPACT : IDB_FULL, kKeyColour);
    volume_.SetSkin(full ? IDB_SLIDER_FULL : IDB_SLIDER_COMPACT, IDB_SLIDER_THUMB);
    // The buttons draw over the picture behind them, which has just changed.
    for (CButtonST* button : {&compact_, &hide_, &stop_, &play_, &mute_}) {
        button->SetTransparentDrawing();
    }
    Invalidate();
}

// The compact bar hides the panes and the full window brings back exactly
// those that were open.
void COrvaneDlg::SwitchLayout() {
    if (layout_ == MainLayout::Full) {
        hiddenByCompact_.clear();
        // The recorder remembers for itself whether it was open.
        if (Recorder()) Recorder()->FollowMainWindow(false);
        for (size_t kind = 0; kind < panes_.size(); ++kind) {
            if (!IsPaneVisible(static_cast<PaneKind>(kind))) continue;
            hiddenByCompact_.push_back(static_cast<PaneKind>(kind));
            HidePane(static_cast<PaneKind>(kind));
        }
        layout_ = MainLayout::Compact;
        wideStatus_ = false;
        ApplyLayout();
        MoveTo((GetSystemMetrics(SM_CXSCREEN) - WindowSize().cx) / 2, 2);
    } else {
        layout_ = MainLayout::Full;
        ApplyLayout();
        MoveToTopRight();
    }
    if (layout_ == MainLayout::Full) {
        // The recorder comes back beside the window's new place, before the
        // scheduler, which hangs below it.
        if (CDlgPlayFiles* recorder = Recorder()) {
            MovePaneBeside(PaneKind::Recorder, *recorder, 0);
            recorder->FollowMainWindow(true);
            if (recorder->IsVisible()) Post(WM_RECORDER_PANE_MOVED, 1);
        }
        for (PaneKind kind : std::exchange(hiddenByCompact_, {})) ShowPane(kind);
    }
    // Once the layout has changed, the whole window is a handle to drag by.
    dragAnywhere = true;
}

void COrvaneDlg::MoveToTopRight() const {
    const RECT client = ClientRect();
    MoveTo(GetSystemMetrics(SM_CXSCREEN) - client.right - 2, 2);
}

std::optional<LRESULT> COrvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        End(IDCANCEL);
        return 0;
    case WM_QUERYENDSESSION:
        // The default answer lets the session end; the player closes first.
        End(IDCANCEL);
        return TRUE;
    case WM_DESTROY:
        Shutdown();
        break;
    case kFinishStart:
        FinishStart();
        return 0;
    case WM_DIRECTORY_READY:
        OnDirectoryReady(lParam);
        return 0;
    case WM_CERTIFICATE_CHECKED:
        bannerPages_.OnChecked(wParam == 1, lParam);
        return 0;
    case WM_NOWPLAYING_READY:
        // The fetch stored its title before it posted, and the newest fetch
        // may still be reading another page: nothing to wait for here.
        playback_.OnNowPlayingReady(wParam == 1);
        return 0;
    case WM_RUN_LINK:
        RunLink();
        return 0;
    case WM_TRAY_NOTIFY:
        OnTrayNotify(lParam);
        return 0;
    case WM_SCHEDULED_RECORDING:
        OnScheduledRecording(wParam, lParam);
        return 0;
    case WM_BROWSER_PANE_MOVED:
        if (IsPaneVisible(PaneKind::Favorites)) ShowPane(PaneKind::Favorites);
        return 0;
    case WM_RECORDER_PANE_MOVED:
        if (IsPaneVisible(PaneKind::Scheduler)) ShowPane(PaneKind::Scheduler);
        return 0;
    case WM_OPEN_STATION_BROWSER:
        if (IsWindowEnabled(station_)) TogglePane(PaneKind::StationBrowser);
        return 0;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == volume_.Hwnd()) OnVolumeScroll();
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_LINKS_SPIN && header.code == UDN_DELTAPOS) {
            OnLinksSpin(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
            return 0;
        }
        break;
    }
    case WM_APPCOMMAND:
    case WM_HOTKEY:
        if (const std::optional<MediaKey> key = MediaKeyOf(message, wParam, lParam)) {
            OnMediaKey(*key);
            return TRUE;
        }
        break;
    case MM_MIXM_CONTROL_CHANGE:
        if (IsVisible() && speakerMute_.IsMuteChange(wParam, lParam)) ShowMuteState();
        return 0;
    case WM_MOVE:
        FollowMainWindow();
        break;
    case WM_DPICHANGED:
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam), HIWORD(wParam));
        return 0;
    case WM_SHOWWINDOW:
        // However the window comes back from the tray (a tray click, its
        // menu, a second start), it comes back at its place.
        if (wParam && layout_ == MainLayout::Full) MoveToTopRight();
        if (wParam && started_) ShowRecordingIcon();
        if (wParam && !started_) {
            started_ = true;
            Post(kFinishStart);
        }
        break;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam);
}

bool COrvaneDlg::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return true;
    switch (id) {
    case IDC_GO: RunWebSearch(hwnd_, search_, SearchUrl(registry_)); break;
    case IDC_PLAY_ON_START:
        StorePlaySetting(registry_, IsDlgButtonChecked(hwnd_, IDC_PLAY_ON_START) ? 0 : 1);
        break;
    case IDC_SWITCH_OFF:
        playback_.Stop();
        HideToTray();
        break;
    case IDC_HIDE: HideToTray(); break;
    case IDC_COMPACT: SwitchLayout(); break;
    case IDC_STOP: playback_.Stop(); break;
    case IDC_PLAY: playback_.PlayAgain(); break;
    case IDC_MUTE: ToggleMute(); break;
    case IDC_STATION: TogglePane(PaneKind::StationBrowser); break;
    case IDC_RECORDER: ToggleRecorder(); break;
    case IDC_FAVORITES: TogglePane(PaneKind::Favorites); break;
    case IDC_SCHEDULER: TogglePane(PaneKind::Scheduler); break;
    case ID_TRAY_OPEN:
        Show(SW_SHOW);
        Show(SW_RESTORE);
        break;
    case ID_TRAY_CLOSE: End(IDCANCEL); break;
    }
    // Enter and Escape do not close the player; only closing the window does.
    return true;
}

// The recorder captures through DirectSound, which on the 95/98/Me family
// needs DirectX 9; there the notice says so instead.
void COrvaneDlg::ToggleRecorder() {
    if (RecorderNeedsDirectX(GetDirectXVersion(), GetVersion())) {
        CDlgDxWarning(hwnd_).DoModal();
        return;
    }
    TogglePane(PaneKind::Recorder);
}

void COrvaneDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case kNowPlayingTimer:
        // None runs before the first station was chosen.
        if (playback_.HasStation()) nowPlayingFetcher_.StartUnlessRunning(hwnd_);
        break;
    case kRepaintTimer:
        StopTimer(kRepaintTimer);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case kMarqueeTimer: playback_.OnMarqueeTimer(); break;
    case kRecordingBlinkTimer:
        iconLit_ = !iconLit_;
        ShowRecordingLight();
        break;
    }
}

void COrvaneDlg::NotifyRecordingState(bool recording, bool scheduled) {
    if (recording) {
        StartTimer(kRecordingBlinkTimer, kRecordingBlinkMs);
        return;
    }
    StopTimer(kRecordingBlinkTimer);
    iconLit_ = false;
    ShowRecordingLight();
    if (DockedPane* scheduler = Pane(PaneKind::Scheduler); scheduler && scheduled)
        scheduler->MarkRunningDone();
}

// One timer blinks every light of a recording (this window's recorder button
// and icon, the recordings window's record button), so that a blink wakes the
// window thread once. A hidden window's icon shows nowhere, and under Wine
// each change of it hands the X server a new picture: it changes with the
// window shown, and is put right when the window shows again.
void COrvaneDlg::ShowRecordingLight() {
    recorder_.SetLit(iconLit_);
    if (CDlgPlayFiles* recorder = Recorder()) recorder->ShowRecordingLight(iconLit_);
    if (IsVisible()) ShowRecordingIcon();
}

void COrvaneDlg::ShowRecordingIcon() { SetWindowIcons(hwnd_, iconLit_ ? IDI_RECORDING : IDI_PLAYER); }

void COrvaneDlg::ShowStatus(const std::wstring& text, bool wide) {
    if (wide != wideStatus_) {
        wideStatus_ = wide;
        PlaceControl(IDC_STATUS);
    }
    status_.SetLinkText(text.c_str());
}

void COrvaneDlg::ShowStation(const StationInfo& station) {
    station_.SetText(station.name.c_str());
    station_.Invalidate();
    // The station's banner comes from the directory: only a web page opens.
    if (IsWebUrl(station.banner)) OpenInBanner(station.banner);
    for (const auto& pane : panes_) {
        if (pane) pane->OnStationChanged(station);
    }
}

void COrvaneDlg::StartMarqueeTimer(unsigned periodMs) { StartTimer(kMarqueeTimer, periodMs); }

void COrvaneDlg::StopMarqueeTimer() { StopTimer(kMarqueeTimer); }

void COrvaneDlg::StartNowPlayingFetch() { nowPlayingFetcher_.Start(hwnd_); }

void COrvaneDlg::StopPlayIndicator() {
    if (DockedPane* recorder = Pane(PaneKind::Recorder)) recorder->OnRecordingPlaybackStopped();
}

void COrvaneDlg::OnDirectoryReady(LPARAM refresh) {
    StationTable stations;
    const DirectoryHandover handover = refresh_.TakeDirectory(refresh, stations, linksList_);
    if (handover == DirectoryHandover::Stale) return;
    if (handover == DirectoryHandover::NewList) stations_ = MakeStationList(std::move(stations));
    if (handover == DirectoryHandover::Unchanged) {
        bannerPages_.Forget();
        banner_.NavigateToLocalPage();
    }
    ShowCurrentLink();
    for (const auto& pane : panes_) {
        if (pane) pane->SetStations(stations_);
    }
    const std::wstring name = playback_.GetCurrentStation().name;
    station_.SetText(name.empty() ? L"Select radio station" : name.c_str());
    EnableWindow(station_, TRUE);
    if (const auto refused = refresh_.Refused()) playback_.ShowSiteRefused(*refused);
}

// "::Update::" while a refresh runs does nothing.
void COrvaneDlg::StartForcedRefresh() {
    if (refresh_.IsRunning()) return;
    station_.SetText(L"Initialization");
    EnableWindow(station_, FALSE);
    refresh_.Start(hwnd_, true);
}

void COrvaneDlg::RunLink() {
    if (linksList_.current >= linksList_.entries.size()) return;
    const std::wstring& target = linksList_.entries[linksList_.current].target;
    switch (MatchLinkCommand(target)) {
    case LinkCommand::Favorites: TogglePane(PaneKind::Favorites); break;
    case LinkCommand::Info: TogglePane(PaneKind::Info); break;
    case LinkCommand::Search: TogglePane(PaneKind::Search); break;
    case LinkCommand::Timer: TogglePane(PaneKind::Scheduler); break;
    case LinkCommand::Ticker: ticker_.Show(); break;
    case LinkCommand::Update: StartForcedRefresh(); break;
    case LinkCommand::OpenWebPage: OpenWebPage(hwnd_, target); break;
    case LinkCommand::Ignore: break;
    }
}

void COrvaneDlg::ShowCurrentLink() const {
    if (linksList_.current < linksList_.entries.size())
        links_.SetText(linksList_.entries[linksList_.current].title.c_str());
}

void COrvaneDlg::OnLinksSpin(int step) {
    if (StepLinks(linksList_, step)) ShowCurrentLink();
}

void COrvaneDlg::OnTrayNotify(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONUP) {
        if (IsVisible()) {
            HideToTray();
        } else {
            BringBack();
        }
    } else if (mouseMessage == WM_RBUTTONUP) {
        tray_.ShowMenu();
    }
}

void COrvaneDlg::BringBack() {
    SetForegroundWindow(hwnd_);
    Show(SW_SHOW);
    Show(SW_RESTORE);
}

void COrvaneDlg::HideToTray() {
    Show(SW_HIDE);
    tray_.Add(hwnd_);
    for (PaneKind kind : kPanesHiddenWithWindow) HidePane(kind);
}

void COrvaneDlg::OnVolumeScroll() {
    playback_.OnVolumeSlider(static_cast<int>(volume_.Send(TBM_GETPOS)));
}

void COrvaneDlg::ToggleMute() {
    const std::optional<bool> muted = speakerMute_.IsMuted();
    if (muted && speakerMute_.SetMuted(!*muted)) ShowMuteState();
}

void COrvaneDlg::OnMediaKey(MediaKey key) {
    switch (key) {
    case MediaKey::PlayPause: playback_.PlayOrStop(); break;
    case MediaKey::Stop: playback_.Stop(); break;
    case MediaKey::VolumeUp: StepVolume(kVolumeKeyStep); break;
    case MediaKey::VolumeDown: StepVolume(-kVolumeKeyStep); break;
    case MediaKey::VolumeMute: ToggleMute(); break;
    }
}

// The volume keys move the slider as a drag would, under the same rule.
void COrvaneDlg::StepVolume(int step) {
    const auto position = static_cast<int>(volume_.Send(TBM_GETPOS));
    volume_.SetPosition(std::clamp(position + step, 0, kFullVolume));
    OnVolumeScroll();
}

void COrvaneDlg::ShowMuteState() {
    mute_.SetImages(speakerMute_.IsMuted().value_or(false) ? IDB_MUTE_ON : IDB_MUTE_OFF,
                    kKeyColour);
    mute_.Invalidate();
}

// The scheduler's item: the station of a recording that starts, or a stop.
// Then the recorder, which does the recording, takes the item on.
void COrvaneDlg::OnScheduledRecording(WPARAM item, LPARAM action) {
    std::unique_ptr<QueuedRecording> recording = TakeScheduledRecording(item);
    if (!recording) return;
    DockedPane* recorder = EnsurePane(PaneKind::Recorder);
    StationInfo station;
    station.name = recording->station;
    station.homepage = recording->homepage;
    station.banner = recording->banner;
    station.streamlink = recording->streamlink;
    const auto request = static_cast<ScheduledAction>(action);
    const unsigned id = recording->id;
    playback_.OnScheduledRecording(station, request == ScheduledAction::Stop);
    const bool forwarded =
        recorder && PostScheduledRecording(recorder->PaneWindow(), std::move(recording), request);
    // Without a recorder nothing records: the entry must not wait for an end.
    if (!forwarded && request == ScheduledAction::Start) ScheduledRecordingFailed(id);
}

void COrvaneDlg::ScheduledRecordingFailed(unsigned id) {
    if (DockedPane* scheduler = Pane(PaneKind::Scheduler)) scheduler->MarkStartFailed(id);
}

DockedPane* COrvaneDlg::EnsurePane(PaneKind kind) {
    auto& pane = panes_[static_cast<size_t>(kind)];
    if (!pane) {
        pane = kind == PaneKind::Recorder ? CreateRecorderPane(hwnd_, *this)
                                          : CreateDockedPane(kind, hwnd_, *this);
        // A pane made after the directory arrived starts with it too.
        if (pane && !stations_->empty()) pane->SetStations(stations_);
    }
    return pane.get();
}

bool COrvaneDlg::IsPaneVisible(PaneKind kind) const {
    const DockedPane* pane = Pane(kind);
    return pane && IsWindowVisible(pane->PaneWindow());
}

void COrvaneDlg::TogglePane(PaneKind kind) {
    if (!EnsurePane(kind)) return;
    if (IsPaneVisible(kind)) {
        HidePane(kind);
    } else {
        ShowPane(kind);
    }
}

void COrvaneDlg::ShowPane(PaneKind kind) {
    DockedPane* pane = EnsurePane(kind);
    if (!pane) return;
    // The recorder shows itself, as it selects its recording line again then.
    MovePaneBeside(kind, *pane, kind == PaneKind::Recorder ? 0 : SWP_SHOWWINDOW);
    if (kind == PaneKind::Recorder) Recorder()->ShowRecorder(SW_SHOW);
    AnnouncePaneMoved(kind, true);
    // The favourites pane names the station now playing whenever it shows.
    if (kind == PaneKind::Favorites && playback_.HasStation())
        pane->OnStationChanged(GetCurrentStation());
    // The scheduler takes the current station, or forgets its own when none plays.
    if (kind == PaneKind::Scheduler) pane->OnStationChanged(GetCurrentStation());
}

void COrvaneDlg::MovePaneBeside(PaneKind kind, const DockedPane& pane, UINT showFlag) const {
    const PaneSurroundings around{ToPixelRect(RectInParent()),
                                  VisiblePaneRect(PaneKind::StationBrowser),
                                  VisiblePaneRect(PaneKind::Recorder), Scale().Scale(kPaneGap)};
    const RECT place = ToRect(PlacePane(kind, pane.Size(), around));
    SetWindowPos(pane.PaneWindow(), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | showFlag);
}

// A pane built anew at a new scale has a new size, and this window may have
// placed it at its old one: it goes to its place again, and the panes that
// stand by it follow.
void COrvaneDlg::PlaceOwnedWindowAgain(HWND owned) {
    for (size_t index = 0; index < panes_.size(); ++index) {
        const auto kind = static_cast<PaneKind>(index);
        const DockedPane* pane = Pane(kind);
        if (!pane || pane->PaneWindow() != owned) continue;
        MovePaneBeside(kind, *pane, 0);
        AnnouncePaneMoved(kind, true);
    }
}

// The panes that others stand by (the favourites below the browser, the
// scheduler beside the recorder) follow them when they move, show or hide.
void COrvaneDlg::AnnouncePaneMoved(PaneKind kind, bool shown) const {
    if (kind == PaneKind::StationBrowser) Post(WM_BROWSER_PANE_MOVED, shown);
    if (kind == PaneKind::Recorder) Post(WM_RECORDER_PANE_MOVED, shown);
}

// The recorder's place holds the recordings window whenever it holds a pane.
CDlgPlayFiles* COrvaneDlg::Recorder() const {
    return static_cast<CDlgPlayFiles*>(Pane(PaneKind::Recorder));
}

std::optional<PixelRect> COrvaneDlg::VisiblePaneRect(PaneKind kind) const {
    if (!IsPaneVisible(kind)) return std::nullopt;
    return ToPixelRect(Window(Pane(kind)->PaneWindow()).RectInParent());
}

void COrvaneDlg::HidePane(PaneKind kind) const {
    const DockedPane* pane = Pane(kind);
    if (!pane || !IsWindowVisible(pane->PaneWindow())) return;
    ShowWindow(pane->PaneWindow(), SW_HIDE);
    AnnouncePaneMoved(kind, false);
}

// In the full layout the station browser hangs below the window wherever it
// is dragged, and the favourites below that.
void COrvaneDlg::FollowMainWindow() {
    if (!hwnd_ || WindowSize().cy <= Scale().Scale(kCompactHeightLimit)) return;
    for (PaneKind kind : {PaneKind::StationBrowser, PaneKind::Favorites}) {
        if (IsPaneVisible(kind)) ShowPane(kind);
    }
}

void COrvaneDlg::Shutdown() {
    for (UINT_PTR timer : {kNowPlayingTimer, kRepaintTimer, kMarqueeTimer, kRecordingBlinkTimer})
        StopTimer(timer);
    mediaHotKeys_.Unregister();
    player_.Stop();
    banner_.Close();
    control_.Close();
    // The window is going: the box stands on its own.
    if (!speakerMute_.Close()) MessageBoxW(nullptr, L"Error closing mixer!", L"", MB_ICONERROR);
    tray_.Remove();
}
