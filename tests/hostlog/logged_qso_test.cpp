#include <gtest/gtest.h>

#include "tools/hostlog/logged_qso.h"

namespace {

hostlog::LoggedQso qsoAt(int year, int month, int day, int hour, int minute, int second) {
    hostlog::LoggedQso qso;
    qso.year = year;
    qso.month = month;
    qso.day = day;
    qso.hour = hour;
    qso.minute = minute;
    qso.second = second;
    return qso;
}

TEST(ToOleDate, CountsDaysFromTheEndOf1899WithTheTimeAsFraction) {
    struct Case {
        hostlog::LoggedQso qso;
        double days;
    };
    const Case cases[] = {
        {qsoAt(1899, 12, 30, 0, 0, 0), 0.0},
        {qsoAt(1900, 1, 1, 0, 0, 0), 2.0},
        {qsoAt(2000, 1, 1, 0, 0, 0), 36526.0},
        {qsoAt(2024, 2, 29, 6, 0, 0), 45351.25},
        {qsoAt(2026, 5, 9, 12, 30, 36), 46151.52125},
        {qsoAt(2026, 5, 10, 23, 59, 59), 46152.0 + 86399.0 / 86400.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(hostlog::toOleDate(c.qso), c.days)
            << c.qso.year << '-' << c.qso.month << '-' << c.qso.day << ' ' << c.qso.hour << ':' << c.qso.minute;
    }
}

TEST(DescribeProblem, NamesFileAndLineLikeACompiler) {
    EXPECT_EQ(hostlog::describe({"log.adi", 12, "bad TIME_ON \"2460\""}), "log.adi:12: bad TIME_ON \"2460\"");
    EXPECT_EQ(hostlog::describe({"log.txt", 0, "not an ADIF or Cabrillo log"}),
              "log.txt: not an ADIF or Cabrillo log");
}

}  // namespace
