#pragma once
// Scheduled times as the queue list shows them and queued.xml stores them:
// "hh:mm dd-mm-yyyy". A text that does not read as a real time gives the zero
// LocalTime ("time 0"), which lies before every real time, so such an entry
// counts as long past and never collides with another.

#include "common/ports/clock.h"

#include <string>
#include <string_view>

std::wstring FormatScheduleTime(const LocalTime& time);

// Hour: the digits before ":"; minute: the two characters after it; day: the
// two after the space; month: the two after the first "-"; year: what follows
// the second "-". Seconds are 0. Years before 1900 and values outside the
// calendar give time 0, as does any text that lacks a part.
LocalTime ParseScheduleTime(std::wstring_view text);
