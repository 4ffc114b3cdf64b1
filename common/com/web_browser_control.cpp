#include "common/com/web_browser_control.h"

#include <exdisp.h>

namespace {

constexpr CLSID kWebBrowser = {
    0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};

}  // namespace

bool WebBrowserControl::Create(HWND dialog, const RECT& place, DispatchEventHandler events,
                               RightButtonFilter::MouseWatcher mouse) {
    if (FAILED(control_.Create(kWebBrowser, dialog, place, true))) {
        control_.Close();
        return false;
    }
    if (events) control_.ConnectEvents(DIID_DWebBrowserEvents2, std::move(events));
    if (HWND window = ControlWindow()) rightButtons_.Start(window, std::move(mouse));
    return true;
}

void WebBrowserControl::Navigate(const std::wstring& url) const {
    ComPtr<IWebBrowser2> browser = control_.Query<IWebBrowser2>(IID_IWebBrowser2);
    if (!browser) return;
    BSTR address = SysAllocString(url.c_str());
    if (!address) return;
    browser->Navigate(address, nullptr, nullptr, nullptr, nullptr);
    SysFreeString(address);
}

bool WebBrowserControl::IsTopLevel(IDispatch* frame) const {
    if (!frame) return false;
    // COM identity: the same object answers the same IUnknown.
    ComPtr<IUnknown> own = control_.Query<IUnknown>(IID_IUnknown);
    ComPtr<IUnknown> other;
    if (!own || frame->QueryInterface(IID_IUnknown, other.PutVoid()) != S_OK) return false;
    return own.Get() == other.Get();
}

HWND WebBrowserControl::ControlWindow() const {
    ComPtr<IOleWindow> window = control_.Query<IOleWindow>(IID_IOleWindow);
    HWND handle = nullptr;
    if (window) window->GetWindow(&handle);
    return handle;
}

void WebBrowserControl::Move(const RECT& place) const {
    if (const auto inPlace = control_.Query<IOleInPlaceObject>(IID_IOleInPlaceObject))
        inPlace->SetObjectRects(&place, &place);
}

void WebBrowserControl::Show(bool show) const {
    if (HWND window = ControlWindow()) ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

void WebBrowserControl::Close() {
    rightButtons_.Stop();
    control_.Close();
}
