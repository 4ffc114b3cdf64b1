#include "common/ports/clock_win32.h"

#include <windows.h>

LocalTime SystemClock::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
