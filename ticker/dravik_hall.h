#pragma once
// The host's hall object, through which the ticker may open links in the
// host's own browser instead of the user's. The host provides the interface;
// the ticker calls only its Navigate method.

#include <windows.h>
#include <oaidl.h>

inline constexpr IID IID_IDravikHall = {
    0x2D7089BF, 0xDEF3, 0x4587, {0xAA, 0x3D, 0x4A, 0xD2, 0x6A, 0x35, 0xDC, 0x7E}};

struct IDravikHall : public IDispatch {
    // Brings the host's hall window forward; the ticker does not use it.
    virtual HRESULT STDMETHODCALLTYPE ShowHall() = 0;
    // Opens `url` (a VT_BSTR); the other arguments are reserved and null.
    virtual HRESULT STDMETHODCALLTYPE Navigate(VARIANT* url, VARIANT* flags, VARIANT* target,
                                               VARIANT* postData, VARIANT* headers) = 0;
};
