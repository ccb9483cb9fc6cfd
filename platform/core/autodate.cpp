#include "platform/core/autodate.h"

#include <cmath>
#include <cstdint>

namespace tb {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kEpochFromCivil = -25569; // 1899-12-30 counted from 1970-01-01

// Days from 1970-01-01 in the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

} // namespace

std::optional<LocalDateTime> AutomationDateToLocal(double date) {
    // The first day's times lie between its whole number and the next lower one.
    if (std::isnan(date) || date <= kMinAutomationDate - 1.0 ||
        date >= kMaxAutomationDate + 0.5 / kSecondsPerDay)
        return std::nullopt;
    double whole = std::trunc(date);
    auto days = static_cast<int64_t>(whole);
    auto seconds = static_cast<int64_t>(std::llround(std::fabs(date - whole) * kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        // Rounding reached the next midnight, which for a date before the epoch is the day
        // nearer to it.
        days += 1;
        seconds -= kSecondsPerDay;
    }
    LocalDateTime local;
    CivilFromDays(days + kEpochFromCivil, local.year, local.month, local.day);
    local.hour = static_cast<int>(seconds / 3600);
    local.minute = static_cast<int>(seconds / 60 % 60);
    local.second = static_cast<int>(seconds % 60);
    if (local.year > 9999 || local.year < 100)
        return std::nullopt;
    return local;
}

std::optional<double> LocalToAutomationDate(const LocalDateTime& local) {
    if (local.year < 100 || local.year > 9999 || local.month < 1 || local.month > 12 ||
        local.day < 1 || local.day > DaysInMonth(local.year, local.month) || local.hour < 0 ||
        local.hour > 23 || local.minute < 0 || local.minute > 59 || local.second < 0 ||
        local.second > 59)
        return std::nullopt;
    int64_t days = DaysFromCivil(local.year, static_cast<unsigned>(local.month),
                                 static_cast<unsigned>(local.day)) -
                   kEpochFromCivil;
    double fraction =
        static_cast<double>(local.hour * 3600 + local.minute * 60 + local.second) / kSecondsPerDay;
    double whole = static_cast<double>(days);
    return days >= 0 ? whole + fraction : whole - fraction;
}

std::optional<double> TimeToAutomationDate(std::time_t time) {
    std::tm parts{};
    if (!localtime_r(&time, &parts))
        return std::nullopt;
    LocalDateTime local;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec > 59 ? 59 : parts.tm_sec; // a leap second stays in its minute
    return LocalToAutomationDate(local);
}

std::optional<std::time_t> AutomationDateToTime(double date) {
    std::optional<LocalDateTime> local = AutomationDateToLocal(date);
    if (!local)
        return std::nullopt;
    std::tm parts{};
    parts.tm_year = local->year - 1900;
    parts.tm_mon = local->month - 1;
    parts.tm_mday = local->day;
    parts.tm_hour = local->hour;
    parts.tm_min = local->minute;
    parts.tm_sec = local->second;
    parts.tm_isdst = -1;
    parts.tm_wday = -1; // mktime sets it on success; -1 is also a valid time_t
    std::time_t time = std::mktime(&parts);
    if (time == static_cast<std::time_t>(-1) && parts.tm_wday == -1)
        return std::nullopt;
    return time;
}

double CurrentAutomationDate() {
    return TimeToAutomationDate(std::time(nullptr)).value_or(0.0);
}

} // namespace tb
