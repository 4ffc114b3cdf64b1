#include "common/com/ole_control.h"

HRESULT OleControl::Create(const CLSID& classId, HWND window, const RECT& place,
                           bool activateInPlace) {
    Close();
    HRESULT result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                      object_.PutVoid());
    if (FAILED(result)) return result;
    *site_.Put() = OleControlSite::Create(window, place);
    if (!site_) return E_OUTOFMEMORY;
    result = object_->SetClientSite(site_.Get());
    if (FAILED(result) || !activateInPlace) return result;
    return object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window, &place);
}

HRESULT OleControl::ConnectEvents(const IID& events, DispatchEventHandler handler) {
    ComPtr<IConnectionPointContainer> container =
        Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) return E_NOINTERFACE;
    ComPtr<IConnectionPoint> connection;
    HRESULT result = container->FindConnectionPoint(events, connection.Put());
    if (FAILED(result)) return result;
    ComPtr<DispatchEventSink> sink;
    *sink.Put() = DispatchEventSink::Create(events, std::move(handler));
    if (!sink) return E_OUTOFMEMORY;
    DWORD cookie = 0;
    result = connection->Advise(static_cast<IDispatch*>(sink.Get()), &cookie);
    if (FAILED(result)) return result;
    sink_ = std::move(sink);
    connection_ = std::move(connection);
    cookie_ = cookie;
    return S_OK;
}

void OleControl::Close() {
    if (connection_) connection_->Unadvise(cookie_);
    if (sink_) sink_->Disconnect();
    connection_.Reset();
    sink_.Reset();
    cookie_ = 0;
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    object_.Reset();
    site_.Reset();
}
