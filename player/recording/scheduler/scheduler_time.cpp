#include "recording/scheduler/scheduler_time.h"

#include <optional>

namespace {

constexpr unsigned kFirstYear = 1900;
constexpr unsigned kLastYear = 9999;

void AppendTwoDigits(std::wstring& text, unsigned value) {
    if (value < 10) text += L'0';
    text += std::to_wstring(value);
}

// The decimal number at the start of `field`, reading at most `maxDigits`
// digits; nothing when the field does not start with a digit or holds more
// digits than that.
std::optional<unsigned> LeadingNumber(std::wstring_view field, std::size_t maxDigits) {
    unsigned value = 0;
    std::size_t digits = 0;
    for (wchar_t c : field) {
        if (c < L'0' || c > L'9') break;
        if (++digits > maxDigits) return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    if (digits == 0) return std::nullopt;
    return value;
}

// Up to `count` characters after the separator at `at`; empty when the
// separator is missing.
std::wstring_view After(std::wstring_view text, std::size_t at,
                        std::size_t count = std::wstring_view::npos) {
    if (at == std::wstring_view::npos) return {};
    return text.substr(at + 1, count);
}

bool IsLeapYear(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month) {
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsRealTime(const LocalTime& time) {
    return time.year >= kFirstYear && time.year <= kLastYear && time.month >= 1 &&
           time.month <= 12 && time.day >= 1 && time.day <= DaysInMonth(time.year, time.month) &&
           time.hour <= 23 && time.minute <= 59;
}

}  // namespace

std::wstring FormatScheduleTime(const LocalTime& time) {
    std::wstring text;
    AppendTwoDigits(text, time.hour);
    text += L':';
    AppendTwoDigits(text, time.minute);
    text += L' ';
    AppendTwoDigits(text, time.day);
    text += L'-';
    AppendTwoDigits(text, time.month);
    text += L'-';
    AppendTwoDigits(text, time.year);
    return text;
}

LocalTime ParseScheduleTime(std::wstring_view text) {
    const std::size_t colon = text.find(L':');
    const std::size_t space = text.find(L' ');
    const std::size_t firstDash = text.find(L'-');
    const std::size_t secondDash =
        firstDash == std::wstring_view::npos ? firstDash : text.find(L'-', firstDash + 1);
    if (colon == std::wstring_view::npos) return {};

    const std::wstring_view hourText = text.substr(0, colon);
    const auto hour = LeadingNumber(hourText, 2);
    const auto minute = LeadingNumber(After(text, colon, 2), 2);
    const auto day = LeadingNumber(After(text, space, 2), 2);
    const auto month = LeadingNumber(After(text, firstDash, 2), 2);
    const auto year = LeadingNumber(After(text, secondDash), 4);
    if (!hour || hourText.size() > 2 || !minute || !day || !month || !year) return {};

    const LocalTime time{*year, *month, *day, *hour, *minute, 0};
    return IsRealTime(time) ? time : LocalTime{};
}
