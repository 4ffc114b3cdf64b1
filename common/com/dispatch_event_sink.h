#pragma once
// Receives a control's events through its connection point: an IDispatch
// that answers to the event interface's id and hands each Invoke to a
// function on the thread the control calls from (the user-interface thread).

#include <oaidl.h>

#include <functional>
#include <optional>

using DispatchEventHandler = std::function<void(DISPID event, const DISPPARAMS& arguments)>;

class DispatchEventSink final : public IDispatch {
public:
    static DispatchEventSink* Create(const IID& events, DispatchEventHandler handler);
    // After the connection is cut, a late call from the control does nothing.
    void Disconnect() { handler_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

private:
    DispatchEventSink(const IID& events, DispatchEventHandler handler)
        : events_(events), handler_(std::move(handler)) {}
    ~DispatchEventSink() = default;

    LONG references_ = 1;
    IID events_;
    DispatchEventHandler handler_;
};

// The integer argument of an event, at `index` counted from the first.
std::optional<long> IntegerArgument(const DISPPARAMS& arguments, unsigned index);
