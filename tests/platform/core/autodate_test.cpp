#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/core/autodate.h"

using namespace tb;

namespace {

// Runs a test in a fixed time zone and puts the process's own back afterwards.
class TimeZone {
public:
    explicit TimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_old;
};

// Central European time, spelled out so that no time-zone database is needed.
constexpr const char* kBerlin = "CET-1CEST,M3.5.0,M10.5.0/3";

LocalDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return LocalDateTime{y, mo, d, h, mi, s};
}

} // namespace

TEST(AutomationDate, KnownDays) {
    EXPECT_EQ(LocalToAutomationDate(At(1899, 12, 30)), 0.0);
    EXPECT_EQ(LocalToAutomationDate(At(1899, 12, 30, 12)), 0.5);
    EXPECT_EQ(LocalToAutomationDate(At(1900, 1, 1)), 2.0);
    EXPECT_EQ(LocalToAutomationDate(At(2000, 1, 1, 12)), 36526.5);
    EXPECT_EQ(LocalToAutomationDate(At(2000, 2, 29)), 36585.0);
    EXPECT_EQ(LocalToAutomationDate(At(1800, 1, 1)), -36522.0);
    EXPECT_EQ(AutomationDateToLocal(36526.5), At(2000, 1, 1, 12));
    EXPECT_EQ(AutomationDateToLocal(2.0), At(1900, 1, 1));
}

TEST(AutomationDate, NegativeDatesCountTheTimeForward) {
    EXPECT_EQ(LocalToAutomationDate(At(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(AutomationDateToLocal(-1.25), At(1899, 12, 29, 6));
    EXPECT_EQ(AutomationDateToLocal(-2.75), At(1899, 12, 28, 18));
    // Between -1 and 1 the sign carries no day: -0.5 is the epoch day's noon.
    EXPECT_EQ(AutomationDateToLocal(-0.5), At(1899, 12, 30, 12));
    // Rounding up to midnight moves to the day nearer the epoch.
    EXPECT_EQ(AutomationDateToLocal(-1.9999999999), At(1899, 12, 30));
    EXPECT_EQ(AutomationDateToLocal(36526.9999999999), At(2000, 1, 2));
}

TEST(AutomationDate, RoundsToTheNearestSecond) {
    const double second = 1.0 / 86400;
    EXPECT_EQ(AutomationDateToLocal(36526.5 + 0.4 * second), At(2000, 1, 1, 12, 0, 0));
    EXPECT_EQ(AutomationDateToLocal(36526.5 + 0.6 * second), At(2000, 1, 1, 12, 0, 1));
    EXPECT_EQ(AutomationDateToLocal(36526.5 - 0.6 * second), At(2000, 1, 1, 11, 59, 59));
}

TEST(AutomationDate, RoundTripsOnBothSidesOfTheEpoch) {
    const int days[] = {-657434, -36522, -2, -1, 0, 1, 2, 36526, 44378, 2958465};
    const int seconds[] = {0, 1, 59, 3600, 43199, 43200, 86399};
    for (int day : days)
        for (int s : seconds) {
            double fraction = static_cast<double>(s) / 86400;
            double date = day >= 0 ? day + fraction : day - fraction;
            std::optional<LocalDateTime> local = AutomationDateToLocal(date);
            ASSERT_TRUE(local) << date;
            EXPECT_EQ(LocalToAutomationDate(*local), date) << day << " " << s;
        }
}

TEST(AutomationDate, RejectsWhatNoCalendarHas) {
    EXPECT_EQ(AutomationDateToLocal(std::nan("")), std::nullopt);
    EXPECT_EQ(AutomationDateToLocal(2958466.0), std::nullopt);
    EXPECT_EQ(AutomationDateToLocal(-657435.0), std::nullopt);
    EXPECT_EQ(AutomationDateToLocal(1e300), std::nullopt);
    EXPECT_EQ(AutomationDateToLocal(2958465.0), At(9999, 12, 31));
    EXPECT_EQ(AutomationDateToLocal(-657434.5), At(100, 1, 1, 12));

    EXPECT_EQ(LocalToAutomationDate(At(1900, 2, 29)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 13, 1)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 4, 31)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 1, 0)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 1, 1, 24)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 1, 1, 0, 60)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(2001, 1, 1, 0, 0, -1)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(99, 12, 31)), std::nullopt);
    EXPECT_EQ(LocalToAutomationDate(At(10000, 1, 1)), std::nullopt);
}

TEST(AutomationDate, FollowsTheLocalTimeZone) {
    {
        TimeZone utc("UTC0");
        EXPECT_EQ(TimeToAutomationDate(0), 25569.0);
        EXPECT_EQ(TimeToAutomationDate(946728000), 36526.5);
        EXPECT_EQ(AutomationDateToTime(36526.5), std::optional<std::time_t>(946728000));
    }
    TimeZone berlin(kBerlin);
    EXPECT_EQ(TimeToAutomationDate(946728000), 36526.5 + 1.0 / 24);   // winter: UTC+1
    EXPECT_EQ(TimeToAutomationDate(1625140800), 44378.0 + 14.0 / 24); // summer: UTC+2
    EXPECT_EQ(AutomationDateToTime(44378.0 + 14.0 / 24), std::optional<std::time_t>(1625140800));
}

TEST(AutomationDate, DaylightSavingChangesResolveSensibly) {
    TimeZone berlin(kBerlin);
    // Every real instant around both changes survives the round trip, except the hour that
    // the autumn change repeats.
    for (std::time_t t = 1616889600; t < 1616889600 + 4 * 3600; t += 900) {
        std::optional<double> date = TimeToAutomationDate(t);
        ASSERT_TRUE(date);
        EXPECT_EQ(AutomationDateToTime(*date), std::optional<std::time_t>(t)) << t;
    }
    // 02:30 on 2021-10-31 happens twice; both instants give the same date, which reads back
    // as one of them.
    std::optional<double> first = TimeToAutomationDate(1635640200);
    std::optional<double> second = TimeToAutomationDate(1635643800);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
    std::optional<std::time_t> back = AutomationDateToTime(*first);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == 1635640200 || *back == 1635643800) << *back;
    // 02:30 on 2021-03-28 never happens; it lands within the hour around the gap.
    std::optional<std::time_t> skipped =
        AutomationDateToTime(*LocalToAutomationDate(At(2021, 3, 28, 2, 30)));
    ASSERT_TRUE(skipped);
    EXPECT_TRUE(*skipped == 1616891400 || *skipped == 1616895000) << *skipped;
}

TEST(AutomationDate, CurrentDateIsNow) {
    std::time_t before = std::time(nullptr);
    double now = CurrentAutomationDate();
    std::time_t after = std::time(nullptr);
    std::optional<std::time_t> back = AutomationDateToTime(now);
    ASSERT_TRUE(back);
    EXPECT_GE(*back, before);
    EXPECT_LE(*back, after);
}
