#include "scoring/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace ATL {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kHalfSecond = 0.5 / kSecondsPerDay;
// 1 January 100 and 31 December 9999, the range the platform converts.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.99999999;
constexpr long long kDaysFrom1970To1899 = -25569;

// Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void appendNumber(std::string& out, int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

}  // namespace

COleDateTime COleDateTime::fromCalendar(const Calendar& when) {
    const double date = static_cast<double>(daysFromCivil(when.year, when.month, when.day) -
                                            kDaysFrom1970To1899);
    const double time = (when.hour * 3600.0 + when.minute * 60.0 + when.second) / kSecondsPerDay;
    // Before 1899-12-30 the time of day is counted away from zero.
    return COleDateTime(date >= 0 ? date + time : date - time, valid);
}

std::optional<COleDateTime::Calendar> COleDateTime::toCalendar() const {
    if (m_status != valid || !std::isfinite(m_dt) || m_dt < kMinDate || m_dt > kMaxDate) {
        return std::nullopt;
    }
    const double rounded = m_dt + (m_dt >= 0 ? kHalfSecond : -kHalfSecond);
    const double wholeDays = std::trunc(rounded);
    const double dayFraction = std::fabs(rounded - wholeDays);
    auto secondsInDay = static_cast<int>(dayFraction * kSecondsPerDay);
    if (secondsInDay >= 86400) secondsInDay = 86399;

    Calendar when{};
    civilFromDays(static_cast<long long>(wholeDays) + kDaysFrom1970To1899, when.year, when.month,
                  when.day);
    when.hour = secondsInDay / 3600;
    when.minute = secondsInDay / 60 % 60;
    when.second = secondsInDay % 60;
    return when;
}

std::string COleDateTime::Format(const char* format) const {
    if (m_status == null) return {};
    const auto when = toCalendar();
    if (!when) return "Invalid DateTime";

    std::string out;
    for (const char* p = format ? format : ""; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
            case 'd': appendNumber(out, when->day, 2); break;
            case 'm': appendNumber(out, when->month, 2); break;
            case 'Y': appendNumber(out, when->year, 4); break;
            case 'H': appendNumber(out, when->hour, 2); break;
            case 'M': appendNumber(out, when->minute, 2); break;
            case 'S': appendNumber(out, when->second, 2); break;
            default: out += *p; break;
        }
    }
    return out;
}

bool COleDateTime::sameMoment(const COleDateTime& other) const {
    if (m_status != other.m_status) return false;
    if (m_status == null) return true;
    return m_status == valid && m_dt == other.m_dt;
}

}  // namespace ATL
