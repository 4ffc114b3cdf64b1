#pragma once
// CPeakMeterCtrl: the recorder's LED level meter, a small child window over
// PeakMeterModel. Levels may be set from any thread; a periodic multimedia
// timer lets them sink and stops itself when everything is down to 0, and
// the next level above 0 starts it again. The window repaints only when the
// bar's picture changes.
//
// The timer callback runs on winmm's timer thread. It reaches a meter only
// through the table of live meters, under that table's lock, and a meter
// leaves the table before its timer is killed and its window goes away, so
// no callback ever touches a meter that is gone.

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "recording/meter/peak_meter_model.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

class CPeakMeterCtrl {
public:
    CPeakMeterCtrl() = default;
    ~CPeakMeterCtrl();
    CPeakMeterCtrl(const CPeakMeterCtrl&) = delete;
    CPeakMeterCtrl& operator=(const CPeakMeterCtrl&) = delete;

    bool Create(HWND parent, const RECT& rect, int controlId);
    void Destroy();
    HWND Hwnd() const { return hwnd_; }

    void SetBandLayout(int bands, int ledsPerBand);
    void SetZoneLimits(int green, int yellow, int maximum);
    void SetBackColour(COLORREF colour);
    void SetGrid(bool on);
    // On by default: each band's peak LED stays lit while it holds and sinks.
    void SetPeakDisplay(bool on);
    // Any thread.
    bool SetLevels(std::span<const int> values, int offset, int count);

    void StartDecayTimer(UINT delayMs);
    void StopDecayTimer();
    bool DecayTimerRunning() const { return timerId_ != 0; }

    const PeakMeterModel& Model() const { return model_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
    void DecayTick(UINT timerId);
    void StartTimerLocked();
    void Paint();
    void DrawBar(HDC dc, const RECT& client, const std::vector<MeterCell>& plan) const;
    bool KeepPictureOf(HDC target, SIZE size);
    void Repaint() const;
    // A change of look: the kept picture is drawn anew at the next paint.
    void Restyle();

    std::atomic<HWND> hwnd_{nullptr};  // owned: destroyed by Destroy or the destructor
    PeakMeterModel model_;
    MeterLook look_{MeterRgb(0, 0, 0)};
    std::mutex timerMutex_;  // guards the three below and each start or stop decision
    std::atomic<UINT> timerId_{0};
    UINT delayMs_ = 0;       // 0 while the owner wants no decay timer
    bool alive_ = false;     // between Create and Destroy: a timer may be started
    UINT timerPeriod_ = 0;   // raised system timer resolution, undone at destruction

    // The bar as last drawn, off screen, kept between paints (window thread only).
    std::optional<MemoryDC> keptDC_;
    ScopedBitmap keptBitmap_;
    std::optional<SelectedObject> keptSelection_;  // goes before the bitmap and context
    SIZE keptSize_{};
    std::optional<std::vector<int>> keptPicture_;  // none: the kept bitmap is stale
};
