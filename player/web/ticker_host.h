#pragma once
// The player's one reference to the ticker object of Marquel.dll: made afresh
// at each "::Ticker::" link, asked to show its window, and let go with the
// main window, which closes the ticker too.

#include "common/helpers/com_ptr.h"

#include <oaidl.h>

class TickerHost {
public:
    // False when the ticker library is not registered or refuses.
    bool Show();

private:
    ComPtr<IDispatch> ticker_;  // ITickerCtrl, a dual interface
};
