#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scoring/ole_date_time.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(OleDateTime, FormatsEachField) {
    const auto when = COleDateTime::fromCalendar({2018, 5, 13, 7, 4, 9});
    EXPECT_EQ(when.Format("%d.%m.%Y %H:%M:%S"), "13.05.2018 07:04:09");
    EXPECT_EQ(when.Format("%Y-%m-%d %H%M"), "2018-05-13 0704");
    EXPECT_EQ(when.Format("%d_%m_%Y"), "13_05_2018");
    EXPECT_EQ(when.Format("100%% %q"), "100% q");
}

TEST(OleDateTime, DayZeroIsTheLastDaysOf1899) {
    EXPECT_EQ(COleDateTime(0.0, COleDateTime::valid).Format("%Y-%m-%d %H%M"), "1899-12-30 0000");
    EXPECT_EQ(COleDateTime(1.5, COleDateTime::valid).Format("%Y-%m-%d %H%M"), "1899-12-31 1200");
    // Before day 0 the fraction still counts forward from midnight of its day.
    EXPECT_EQ(COleDateTime(-1.25, COleDateTime::valid).Format("%Y-%m-%d %H%M"), "1899-12-29 0600");
    EXPECT_EQ(COleDateTime(43233.0, COleDateTime::valid).Format("%d.%m.%Y"), "13.05.2018");
}

TEST(OleDateTime, RoundsToTheNearestSecondBeforeFormatting) {
    const double halfPastThree = COleDateTime::fromCalendar({2018, 5, 12, 15, 30, 0}).days();
    struct Case {
        double offset;
        const char* expected;
    };
    const Case cases[] = {
        {-0.0001 * kSecond, "1530"},  // 15:29:59.9999
        {-0.49 * kSecond, "1530"},
        {-0.51 * kSecond, "1529"},  // 15:29:59.49 stays in the minute before
        {59.6 * kSecond, "1531"},
        {0.0, "1530"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(COleDateTime(halfPastThree + c.offset, COleDateTime::valid).Format("%H%M"), c.expected)
            << "offset " << c.offset / kSecond << " s";
    }
}

TEST(OleDateTime, RoundingCarriesIntoTheNextDay) {
    const double midnight = COleDateTime::fromCalendar({2018, 5, 13, 0, 0, 0}).days();
    EXPECT_EQ(COleDateTime(midnight - 0.2 * kSecond, COleDateTime::valid).Format("%d.%m %H%M"), "13.05 0000");
}

TEST(OleDateTime, InvalidAndNullValues) {
    EXPECT_EQ(COleDateTime(43232.0, COleDateTime::invalid).Format("%Y"), "Invalid DateTime");
    EXPECT_EQ(COleDateTime(43232.0, COleDateTime::null).Format("%Y"), "");
    EXPECT_EQ(COleDateTime(std::numeric_limits<double>::quiet_NaN(), COleDateTime::valid).Format("%Y"),
              "Invalid DateTime");
    EXPECT_EQ(COleDateTime(1e12, COleDateTime::valid).Format("%Y"), "Invalid DateTime");
    EXPECT_EQ(COleDateTime(-1e12, COleDateTime::valid).Format("%Y"), "Invalid DateTime");
}

TEST(OleDateTime, ConvertsTheWholeSupportedRange) {
    EXPECT_EQ(COleDateTime::fromCalendar({100, 1, 1, 0, 0, 0}).Format("%Y-%m-%d"), "0100-01-01");
    EXPECT_EQ(COleDateTime::fromCalendar({9999, 12, 31, 23, 59, 59}).Format("%Y-%m-%d %H%M"), "9999-12-31 2359");
    EXPECT_EQ(COleDateTime::fromCalendar({2000, 2, 29, 0, 0, 0}).Format("%d.%m.%Y"), "29.02.2000");
}

TEST(OleDateTime, SameMomentComparesStatusAndValue) {
    const COleDateTime a(43232.5, COleDateTime::valid);
    EXPECT_TRUE(a.sameMoment(COleDateTime(43232.5, COleDateTime::valid)));
    EXPECT_FALSE(a.sameMoment(COleDateTime(43232.5 + kSecond, COleDateTime::valid)));
    EXPECT_FALSE(a.sameMoment(COleDateTime(43232.5, COleDateTime::null)));
    EXPECT_TRUE(COleDateTime(1.0, COleDateTime::null).sameMoment(COleDateTime(2.0, COleDateTime::null)));
    EXPECT_FALSE(COleDateTime(1.0, COleDateTime::invalid).sameMoment(COleDateTime(1.0, COleDateTime::invalid)));
}

}  // namespace
