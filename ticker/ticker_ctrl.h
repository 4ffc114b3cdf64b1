#pragma once
// The ticker's COM object: creating it creates the hidden ticker window on
// the creating thread; the host shows it, chooses its channel and may hand
// it a hall object for opening links. Releasing it destroys the window and
// stores the speed and channel.

#include "common/com/com_object.h"
#include "common/com/type_library_dispatch.h"
#include "common/helpers/com_ptr.h"
#include "marquel.h"
#include "ticker/dravik_hall.h"
#include "ticker/link_opener.h"
#include "ticker/ticker_window.h"

#include <span>

class TickerCtrl final
    : public ComObject<TickerCtrl, TypeLibraryDispatch<ITickerCtrl, IID_ITickerCtrl>>,
      public LinkOpener {
public:
    explicit TickerCtrl(IUnknown* outer);

    static std::span<const InterfaceEntry<TickerCtrl>> Interfaces();

    HRESULT STDMETHODCALLTYPE ShowWindow(long nCmdShow) override;
    HRESULT STDMETHODCALLTYPE get_IsVisible(long* pVal) override;
    HRESULT STDMETHODCALLTYPE SetChannel(BSTR bstrNewChannel) override;
    HRESULT STDMETHODCALLTYPE SetDravikHall(IUnknown* pDravikHall) override;

    void OpenLink(const std::string& link) override;

private:
    ~TickerCtrl() override;

    TickerWindow window_;
    ComPtr<IDravikHall> hall_;
};
