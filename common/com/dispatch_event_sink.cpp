#include "common/com/dispatch_event_sink.h"

#include <oleauto.h>

#include <new>

DispatchEventSink* DispatchEventSink::Create(const IID& events, DispatchEventHandler handler) {
    return new (std::nothrow) DispatchEventSink(events, std::move(handler));
}

STDMETHODIMP DispatchEventSink::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != events_) return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) DispatchEventSink::AddRef() { return InterlockedIncrement(&references_); }

STDMETHODIMP_(ULONG) DispatchEventSink::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP DispatchEventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP DispatchEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP DispatchEventSink::Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* arguments,
                                       VARIANT* result, EXCEPINFO*, UINT*) {
    if (result) VariantInit(result);
    if (!handler_ || !arguments) return S_OK;
    // No exception may return into the control.
    try {
        handler_(event, *arguments);
    } catch (...) {
        return E_UNEXPECTED;
    }
    return S_OK;
}

std::optional<long> IntegerArgument(const DISPPARAMS& arguments, unsigned index) {
    if (index >= arguments.cArgs) return std::nullopt;
    // Arguments arrive last first.
    VARIANT value;
    VariantInit(&value);
    const HRESULT converted = VariantChangeType(&value, &arguments.rgvarg[arguments.cArgs - 1 - index],
                                                0, VT_I4);
    if (FAILED(converted)) return std::nullopt;
    return value.lVal;
}
