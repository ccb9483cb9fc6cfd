#pragma once
// Automation dates: days since 1899-12-30 00:00 local time as a double, the fraction being the
// time of day. Before that day the whole part counts back while the fraction still counts
// forward from the day's start: -1.25 is 1899-12-29 06:00.

#include <ctime>
#include <optional>

namespace tb {

// A local wall-clock time; month and day count from 1.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The days the platform accepts: 0100-01-01 (its times run down towards -657435) to
// 9999-12-31.
constexpr double kMinAutomationDate = -657434.0;
constexpr double kMaxAutomationDate = 2958465.999988426; // 23:59:59

// Rounded to the nearest second; nothing for NaN or a date outside the range.
std::optional<LocalDateTime> AutomationDateToLocal(double date);

// Nothing for a field out of its range (month 1-12, a day the month has, 0-23, 0-59, 0-59)
// or a year outside 100-9999.
std::optional<double> LocalToAutomationDate(const LocalDateTime& local);

// Through the C library's local time zone. A wall time that a daylight-saving change skips
// or repeats resolves as mktime resolves it with no daylight flag given.
std::optional<double> TimeToAutomationDate(std::time_t time);
std::optional<std::time_t> AutomationDateToTime(double date);

// Now, to the second.
double CurrentAutomationDate();

} // namespace tb
