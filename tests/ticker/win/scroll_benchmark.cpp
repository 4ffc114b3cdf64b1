// How much the scroller costs: the ticker window runs its own scroller at the
// shortest delay (1 ms) for a few seconds over a long line; the program prints
// the steps per second and the CPU time per step. Each step is meant to be a
// single block copy, so the CPU time per step should stay in the tens of
// microseconds.

#include "common/com/com_module.h"
#include "ticker/ticker_window.h"

#include <objbase.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kRunMs = 3000;

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The window's templates and bitmaps are linked into this program.
    ComModule::Attach(GetModuleHandleW(nullptr));
    {
        TickerWindow ticker;
        const std::uint32_t storedDelay = ticker.Delay();
        if (!ticker.Create(nullptr)) {
            std::printf("the ticker window could not be created\n");
            return 1;
        }
        std::string line;
        for (int i = 0; i < 40; ++i) line += "Headline number " + std::to_string(i) + "     ";
        ticker.SetDelay(1);
        ShowWindow(ticker.Handle(), SW_SHOWNOACTIVATE);
        ticker.SetDisplayText(line);
        PumpFor(kRunMs);
        const Scroller::Statistics figures = ticker.ScrollerFigures();
        ShowWindow(ticker.Handle(), SW_HIDE);
        ticker.SetDelay(storedDelay);

        const double seconds = kRunMs / 1000.0;
        const double steps = static_cast<double>(figures.steps);
        std::printf("scroller at delay 1 ms for %.1f s over a line of %zu characters\n", seconds,
                    line.size());
        std::printf("steps: %llu (%.0f per second)\n",
                    static_cast<unsigned long long>(figures.steps), steps / seconds);
        if (figures.steps == 0) {
            std::printf("the scroller made no step: nothing was measured\n");
            return 1;
        }
        std::printf("scroller CPU time: %.1f ms, %.1f us per step\n", figures.cpuTime100ns / 1e4,
                    figures.cpuTime100ns / 10.0 / steps);
    }
    CoUninitialize();
    return 0;
}
