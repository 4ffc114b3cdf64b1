// The media player interface ids are defined here, once for the program.
#include <initguid.h>

#include "playback/wmp_player.h"

namespace {

// The control's event interface, _WMPOCXEvents.
constexpr IID kPlayerEvents = {0x6bf52a51, 0x394a, 0x11d3,
                               {0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6}};
constexpr CLSID kMediaPlayer = {0x6bf52a52, 0x394a, 0x11d3,
                                {0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6}};

constexpr DISPID kOpenStateChange = 5001;
constexpr DISPID kPlayStateChange = 5101;
constexpr DISPID kEndOfStream = 5201;

void Deliver(MediaPlayerEvents& events, DISPID event, const DISPPARAMS& arguments) {
    if (event == kEndOfStream) {
        events.OnEndOfStream();
        return;
    }
    const std::optional<long> state = IntegerArgument(arguments, 0);
    if (!state) return;
    if (event == kOpenStateChange) events.OnOpenStateChange(static_cast<int>(*state));
    if (event == kPlayStateChange) events.OnPlayStateChange(static_cast<int>(*state));
}

}  // namespace

bool CWMPPlayer::Create(HWND window, MediaPlayerEvents& events) {
    RECT place{};
    GetClientRect(window, &place);
    if (FAILED(control_.Create(kMediaPlayer, window, place, false))) return false;
    // Without events the player still plays; the status line just stays.
    control_.ConnectEvents(kPlayerEvents, [&events](DISPID event, const DISPPARAMS& arguments) {
        Deliver(events, event, arguments);
    });
    return true;
}

ComPtr<IWMPPlayer4> CWMPPlayer::Player() const {
    return control_.Query<IWMPPlayer4>(IID_IWMPPlayer4);
}

// The controls and settings objects are fetched afresh for each call and let
// go right after it; a missing one skips the call.
ComPtr<IWMPControls> CWMPPlayer::Controls() const {
    ComPtr<IWMPControls> controls;
    if (auto player = Player()) player->get_controls(controls.Put());
    return controls;
}

ComPtr<IWMPSettings> CWMPPlayer::Settings() const {
    ComPtr<IWMPSettings> settings;
    if (auto player = Player()) player->get_settings(settings.Put());
    return settings;
}

void CWMPPlayer::SetUrl(const std::wstring& url) {
    if (auto player = Player()) player->put_URL(Bstr(url).Get());
}

std::wstring CWMPPlayer::Url() const {
    Bstr url;
    if (auto player = Player()) player->get_URL(url.Put());
    return url.Text();
}

void CWMPPlayer::Stop() {
    if (auto controls = Controls()) controls->stop();
}

void CWMPPlayer::Play() {
    if (auto controls = Controls()) controls->play();
}

int CWMPPlayer::Volume() const {
    LONG volume = 0;
    if (auto settings = Settings()) settings->get_volume(&volume);
    return static_cast<int>(volume);
}

void CWMPPlayer::SetVolume(int volume) {
    if (auto settings = Settings()) settings->put_volume(volume);
}
