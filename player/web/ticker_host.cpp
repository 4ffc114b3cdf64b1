#include "web/ticker_host.h"

#include <ole2.h>

namespace {

constexpr CLSID kTickerCtrl = {
    0x2f1fa8d1, 0x0a7b, 0x4852, {0xa0, 0x9f, 0x96, 0xff, 0xd1, 0xf1, 0xaf, 0x06}};
constexpr IID kITickerCtrl = {
    0xff4af36a, 0x1bdf, 0x49f3, {0x94, 0x31, 0x93, 0x26, 0xd3, 0xcf, 0xb0, 0xbb}};
constexpr DISPID kShowWindow = 1;

// The ticker object, running, as ITickerCtrl; null when the library is not
// registered or refuses any step.
ComPtr<IDispatch> CreateTicker() {
    ComPtr<IUnknown> object;
    if (FAILED(CoCreateInstance(kTickerCtrl, nullptr, CLSCTX_ALL, IID_IUnknown, object.PutVoid())))
        return {};
    ComPtr<IDispatch> ticker;
    if (FAILED(OleRun(object.Get())) ||
        FAILED(object->QueryInterface(kITickerCtrl, ticker.PutVoid())))
        return {};
    return ticker;
}

}  // namespace

// Each command starts over with a fresh object; letting the old one go closes
// its window, so there is never more than one ticker on the screen.
bool TickerHost::Show() {
    ticker_.Reset();
    ticker_ = CreateTicker();
    if (!ticker_) return false;
    VARIANT command;
    VariantInit(&command);
    command.vt = VT_I4;
    command.lVal = SW_SHOW;
    DISPPARAMS arguments{&command, nullptr, 1, 0};
    return SUCCEEDED(ticker_->Invoke(kShowWindow, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                     &arguments, nullptr, nullptr, nullptr));
}
