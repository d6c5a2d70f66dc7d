#pragma once

#include <optional>
#include <string_view>

#include "tools/hostlog/logged_qso.h"

namespace hostlog {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "20260509": the ADIF form.
std::optional<CalendarDate> parseCompactDate(std::string_view text);
// "2026-05-09": the Cabrillo form.
std::optional<CalendarDate> parseDashedDate(std::string_view text);
// "1203" or "120345".
std::optional<TimeOfDay> parseTimeOfDay(std::string_view text);

void setDateTime(LoggedQso& qso, const CalendarDate& date, const TimeOfDay& time);

}  // namespace hostlog
