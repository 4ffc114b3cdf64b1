#pragma once
// The player's main window: the skinned player at the top-right corner of the
// screen, in its full or compact layout, with the tray icon, the links field,
// the volume and mute, and the panes around it. Playback itself is the
// playback controller's; this window wires it to the controls.

#include "common/ports/registry_win32.h"
#include "directory/certificate_check.h"
#include "directory/directory_refresh_runner.h"
#include "directory/links_list.h"
#include "directory/now_playing_fetcher.h"
#include "host/docked_pane.h"
#include "host/player_messages.h"
#include "host/station_player.h"
#include "host/stream_tap.h"
#include "playback/playback_controller.h"
#include "playback/radio/routing_media_player.h"
#include "playback/wmp_player.h"
#include "recording/recorder/recorder_host.h"
#include "shell/get_directx_version.h"
#include "shell/main_window_layout.h"
#include "shell/media_keys.h"
#include "shell/pane_placement.h"
#include "shell/speaker_mute.h"
#include "shell/tray_icon.h"
#include "skin/adv_edit.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"
#include "skin/fs_edit.h"
#include "skin/hyperlink_static.h"
#include "skin/template_font.h"
#include "skin/zip_slider_ctl.h"
#include "web/banner.h"
#include "web/ticker_host.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

class CDlgPlayFiles;

class COrvaneDlg : public CBitmapDialog,
                   public StationPlayer,
                   private PlaybackView,
                   private BannerHost,
                   private RecorderHost {
public:
    COrvaneDlg();

    // For the panes: play a station, and the station now current.
    void SelectStation(const StationInfo& station) override { playback_.SelectStation(station); }
    StationInfo GetCurrentStation() const override { return playback_.GetCurrentStation(); }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnTimer(UINT_PTR id) override;
    void PlaceOwnedWindowAgain(HWND owned) override;

private:
    // PlaybackView
    void ShowStatus(const std::wstring& text, bool wide) override;
    void ShowStation(const StationInfo& station) override;
    void StartMarqueeTimer(unsigned periodMs) override;
    void StopMarqueeTimer() override;
    void StartNowPlayingFetch() override;
    void StopPlayIndicator() override;
    void ShowNowPlaying(const std::wstring& station, const std::wstring& title) override {
        tray_.ShowNowPlaying(station, title);
    }

    // BannerHost
    void StopPlayback() override { playback_.Stop(); }
    void PlayLink(const std::wstring& url) override;

    // RecorderHost
    void NotifyRecordingState(bool recording, bool scheduled) override;
    void PlayRecordingFile(const std::wstring& path) override { playback_.PlayRecordingFile(path); }
    void StopRecordingPlayback() override { playback_.StopRecordingPlayback(); }
    void ReleaseRecordingFile(const std::wstring& path) override {
        playback_.ReleaseRecordingFile(path);
    }
    void ScheduledRecordingFailed(unsigned id) override;
    StreamTap& StationStream() override { return *stationStream_; }
    bool MediaPlayerControlPlaysStation() const override {
        return playback_.HasStation() && player_.ControlPlaysStream();
    }
    std::wstring StationName() const override { return GetCurrentStation().name; }

    void FinishStart();
    void CreateBanner();
    // An https address goes to the banner only once its certificate passed.
    void OpenInBanner(const std::wstring& url);
    struct SkinnedButton {
        CButtonST& control;
        int id;
        int picture;
    };
    std::array<SkinnedButton, 10> SkinnedButtons();
    void SetUpControls();
    void ApplyScaledFonts();
    void ApplyLayout();
    void OnDpiChanged(const RECT& suggested, int dpi);
    std::optional<PixelRect> ScaledPlace(int id, MainLayout layout) const;
    void PlaceControl(int id) const;
    void SwitchLayout();
    void MoveToTopRight() const;

    void OnDirectoryReady(LPARAM refresh);
    void StartForcedRefresh();
    void RunLink();
    void ShowCurrentLink() const;
    void OnLinksSpin(int step);
    void OnTrayNotify(LPARAM mouseMessage);
    void OnVolumeScroll();
    void ToggleMute();
    void OnMediaKey(MediaKey key);
    void StepVolume(int step);
    void ToggleRecorder();
    void ShowMuteState();
    void ShowRecordingLight();
    void ShowRecordingIcon();
    void OnScheduledRecording(WPARAM item, LPARAM action);
    void HideToTray();
    void BringBack();
    void Shutdown();

    DockedPane* Pane(PaneKind kind) const { return panes_[static_cast<size_t>(kind)].get(); }
    DockedPane* EnsurePane(PaneKind kind);
    bool IsPaneVisible(PaneKind kind) const;
    std::optional<PixelRect> VisiblePaneRect(PaneKind kind) const;
    void TogglePane(PaneKind kind);
    void ShowPane(PaneKind kind);
    void MovePaneBeside(PaneKind kind, const DockedPane& pane, UINT showFlag) const;
    void AnnouncePaneMoved(PaneKind kind, bool shown) const;
    CDlgPlayFiles* Recorder() const;
    void HidePane(PaneKind kind) const;
    void FollowMainWindow();

    Win32Registry registry_;

    CButtonST switchOff_, hide_, compact_, stop_, play_, mute_, recorder_, favorites_,
        scheduler_, station_;
    CZipSliderCtl volume_;
    CHyperlinkStatic status_, go_;
    CAdvEdit search_;
    CFSEdit links_{WM_RUN_LINK};
    ScopedFont stationFont_;
    // The search and links fields show their text in it.
    TemplateFont templateFont_;

    // Everything plays through player_: MP3 radio in its own engine, the
    // rest (other streams, local files, the recordings) in the control.
    CWMPPlayer control_;
    // What the engine plays, for the recorder's exact copy.
    std::shared_ptr<StreamTap> stationStream_ = std::make_shared<StreamTap>();
    RoutingMediaPlayer player_{control_, playback_, stationStream_};
    std::shared_ptr<NowPlaying> nowPlaying_ = std::make_shared<NowPlaying>();
    NowPlayingFetcher nowPlayingFetcher_{nowPlaying_};
    CertificateCheck bannerPages_;
    PlaybackController playback_{player_, *this, nowPlaying_};
    TickerHost ticker_;
    CBanner banner_;

    DirectoryRefreshRunner refresh_;
    StationList stations_ = MakeStationList();
    LinksList linksList_;

    TrayIcon tray_;
    MediaHotKeys mediaHotKeys_;
    DirectXVersionLookup directXLookup_;
    SpeakerMute speakerMute_;
    MainLayout layout_ = MainLayout::Full;
    bool wideStatus_ = false;
    bool iconLit_ = false;  // the recording's lights are on, in their blink
    bool started_ = false;  // the start finished once the window showed

    std::array<std::unique_ptr<DockedPane>, 6> panes_;
    std::vector<PaneKind> hiddenByCompact_;  // shown again when the full layout returns
};
