#pragma once
// An ActiveX control embedded in a dialog: created by class id, given a site
// (and, when it shows something, activated in place in the dialog's window),
// with its events delivered through its connection point. Closing cuts the
// events first, then the site, then the control.

#include "common/com/dispatch_event_sink.h"
#include "common/com/ole_control_site.h"
#include "common/helpers/com_ptr.h"

#include <ocidl.h>

class OleControl {
public:
    OleControl() = default;
    ~OleControl() { Close(); }
    OleControl(const OleControl&) = delete;
    OleControl& operator=(const OleControl&) = delete;

    HRESULT Create(const CLSID& classId, HWND window, const RECT& place, bool activateInPlace);
    HRESULT ConnectEvents(const IID& events, DispatchEventHandler handler);
    void Close();

    explicit operator bool() const { return static_cast<bool>(object_); }
    // One of the control's own interfaces; null when it has none.
    template <class Interface>
    ComPtr<Interface> Query(const IID& iid) const {
        ComPtr<Interface> found;
        if (object_) object_->QueryInterface(iid, found.PutVoid());
        return found;
    }

private:
    ComPtr<IOleObject> object_;
    ComPtr<OleControlSite> site_;
    ComPtr<DispatchEventSink> sink_;
    ComPtr<IConnectionPoint> connection_;
    DWORD cookie_ = 0;
};
