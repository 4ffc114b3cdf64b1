#include "recording/meter/peak_meter_ctrl.h"

#include "common/window/device_context.h"
#include "common/window/gdi_object.h"

#include <set>
#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"VelmoraPeakMeter";

std::mutex liveMetersMutex;
std::set<const CPeakMeterCtrl*> liveMeters;  // guarded by liveMetersMutex

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

ATOM RegisterMeterClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

}  // namespace

CPeakMeterCtrl::~CPeakMeterCtrl() { Destroy(); }

bool CPeakMeterCtrl::Create(HWND parent, const RECT& rect, int controlId) {
    if (hwnd_ || !RegisterMeterClass(WindowProc)) return false;
    look_.background = GetSysColor(COLOR_BTNFACE);
    hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                            GetModuleHandleW(nullptr), this);
    if (!hwnd_) return false;
    TIMECAPS caps{};
    if (timeGetDevCaps(&caps, sizeof caps) == MMSYSERR_NOERROR &&
        timeBeginPeriod(caps.wPeriodMin) == TIMERR_NOERROR) {
        timerPeriod_ = caps.wPeriodMin;
    }
    {
        std::lock_guard lock(timerMutex_);
        alive_ = true;
    }
    std::lock_guard lock(liveMetersMutex);
    liveMeters.insert(this);
    return true;
}

void CPeakMeterCtrl::Destroy() {
    {
        // From here on no timer callback reaches this meter; one that runs
        // right now finishes before the erase.
        std::lock_guard lock(liveMetersMutex);
        liveMeters.erase(this);
    }
    {
        std::lock_guard lock(timerMutex_);
        alive_ = false;
    }
    StopDecayTimer();
    if (timerPeriod_) timeEndPeriod(std::exchange(timerPeriod_, 0));
    if (HWND hwnd = hwnd_.exchange(nullptr)) DestroyWindow(hwnd);
}

void CPeakMeterCtrl::SetBandLayout(int bands, int ledsPerBand) {
    model_.SetBandLayout(bands, ledsPerBand);
    Restyle();
}

void CPeakMeterCtrl::SetZoneLimits(int green, int yellow, int maximum) {
    model_.SetZoneLimits(green, yellow, maximum);
    Restyle();
}

void CPeakMeterCtrl::SetBackColour(COLORREF colour) {
    look_.background = colour;
    Restyle();
}

void CPeakMeterCtrl::SetGrid(bool on) {
    if (look_.grid == on) return;
    look_.grid = on;
    Restyle();
}

void CPeakMeterCtrl::SetPeakDisplay(bool on) {
    if (look_.peaks == on) return;
    look_.peaks = on;
    Restyle();
}

// The capture worker hands a level over several times a second. Silence
// leaves the meter at rest, so it neither starts the timer (which would stop
// again at its first tick) nor repaints a bar that looks the same.
bool CPeakMeterCtrl::SetLevels(std::span<const int> values, int offset, int count) {
    std::lock_guard lock(timerMutex_);
    const std::vector<int> before = model_.Picture(look_.peaks);
    if (!model_.SetLevels(values, offset, count)) return false;
    // The timer stops itself once the bar is empty; a new level has to get
    // it going again or the bar would stay lit.
    if (alive_ && delayMs_ && timerId_ == 0 && !model_.AtRest()) StartTimerLocked();
    if (model_.Picture(look_.peaks) != before) Repaint();
    return true;
}

void CPeakMeterCtrl::StartDecayTimer(UINT delayMs) {
    std::lock_guard lock(timerMutex_);
    if (!alive_ || timerId_ != 0) return;
    delayMs_ = delayMs;
    StartTimerLocked();
}

void CPeakMeterCtrl::StopDecayTimer() {
    UINT id = 0;
    {
        std::lock_guard lock(timerMutex_);
        delayMs_ = 0;
        id = timerId_.exchange(0);
    }
    // Outside the lock: a callback of this timer may be waiting for it.
    if (id) timeKillEvent(id);
}

void CPeakMeterCtrl::StartTimerLocked() {
    timerId_ = timeSetEvent(delayMs_, 0, OnTimer, reinterpret_cast<DWORD_PTR>(this),
                            TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void CALLBACK CPeakMeterCtrl::OnTimer(UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    std::lock_guard lock(liveMetersMutex);
    auto* meter = reinterpret_cast<CPeakMeterCtrl*>(user);
    if (liveMeters.contains(meter)) meter->DecayTick(timerId);
}

void CPeakMeterCtrl::DecayTick(UINT timerId) {
    std::lock_guard lock(timerMutex_);
    if (timerId_ != timerId) return;  // a timer this meter has already let go
    const std::vector<int> before = model_.Picture(look_.peaks);
    const bool changed = model_.DecayTick();
    if (model_.Picture(look_.peaks) != before) Repaint();
    // Killing its own timer from the timer thread is allowed and never waits.
    if (!changed) timeKillEvent(timerId_.exchange(0));
}

void CPeakMeterCtrl::Repaint() const {
    if (HWND hwnd = hwnd_) InvalidateRect(hwnd, nullptr, FALSE);
}

void CPeakMeterCtrl::Restyle() {
    keptPicture_.reset();
    Repaint();
}

// The bar is drawn off screen and kept: a paint that finds the picture as it
// was drawn (a level that sank at a tick and came back before the paint)
// only copies it again, and one that draws makes no context or bitmap. Under
// Wine each of those asks the server, which cost more than the drawing.
void CPeakMeterCtrl::Paint() {
    const HWND hwnd = hwnd_;
    PaintDC target(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    if (!KeepPictureOf(target, {client.right, client.bottom})) return;
    std::optional<std::vector<MeterCell>> plan;
    {
        // The timer and the capture worker change the model meanwhile.
        std::lock_guard lock(timerMutex_);
        std::vector<int> picture = model_.Picture(look_.peaks);
        if (picture != keptPicture_) {
            plan = model_.PaintPlan(client.right, client.bottom, look_);
            keptPicture_ = std::move(picture);
        }
    }
    if (plan) DrawBar(*keptDC_, client, *plan);
    BitBlt(target, 0, 0, client.right, client.bottom, *keptDC_, 0, 0, SRCCOPY);
}

// Makes the kept bitmap anew when the meter's size changed.
bool CPeakMeterCtrl::KeepPictureOf(HDC target, SIZE size) {
    if (keptDC_ && size.cx == keptSize_.cx && size.cy == keptSize_.cy) return true;
    keptSelection_.reset();
    keptPicture_.reset();
    keptDC_.emplace(target);
    keptBitmap_.Reset(CreateCompatibleBitmap(target, size.cx, size.cy));
    if (!keptDC_->Get() || !keptBitmap_) {
        keptDC_.reset();
        return false;
    }
    keptSelection_.emplace(*keptDC_, keptBitmap_.Get());
    keptSize_ = size;
    return true;
}

void CPeakMeterCtrl::DrawBar(HDC dc, const RECT& client, const std::vector<MeterCell>& plan) const {
    FillColour(dc, client, look_.background);
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, MeterGridPenColour(look_.background)));
    {
        SelectedObject gridPen(dc, pen.Get());
        for (const MeterCell& cell : plan) {
            if (cell.gridLineX) {
                MoveToEx(dc, *cell.gridLineX, cell.gridTop, nullptr);
                LineTo(dc, *cell.gridLineX, cell.gridBottom);
            }
            const RECT fill{cell.fill.left, cell.fill.top, cell.fill.right, cell.fill.bottom};
            FillColour(dc, fill, cell.colour);
        }
    }
    SetDCBrushColor(dc, kMeterFrameColour);
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

LRESULT CALLBACK CPeakMeterCtrl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* meter = reinterpret_cast<CPeakMeterCtrl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        if (meter && meter->hwnd_) {
            meter->Paint();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // The parent may destroy the window before the meter object goes.
        if (meter) meter->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
