#pragma once

#include "common/ports/clock.h"

// The system's local time (GetLocalTime).
class SystemClock : public Clock {
public:
    LocalTime Now() const override;
};
