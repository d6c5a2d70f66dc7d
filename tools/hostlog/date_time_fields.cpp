#include "tools/hostlog/date_time_fields.h"

#include <chrono>

#include "tools/hostlog/numbers.h"

namespace hostlog {

namespace {

std::optional<int> parseFixedWidth(std::string_view text, std::size_t position, std::size_t width) {
    const auto value = parseUnsigned(text.substr(position, width));
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::optional<CalendarDate> makeDate(std::optional<int> year, std::optional<int> month,
                                     std::optional<int> day) {
    if (!year || !month || !day) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

}  // namespace

std::optional<CalendarDate> parseCompactDate(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    return makeDate(parseFixedWidth(text, 0, 4), parseFixedWidth(text, 4, 2),
                    parseFixedWidth(text, 6, 2));
}

std::optional<CalendarDate> parseDashedDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    return makeDate(parseFixedWidth(text, 0, 4), parseFixedWidth(text, 5, 2),
                    parseFixedWidth(text, 8, 2));
}

std::optional<TimeOfDay> parseTimeOfDay(std::string_view text) {
    if (text.size() != 4 && text.size() != 6) return std::nullopt;
    const auto hour = parseFixedWidth(text, 0, 2);
    const auto minute = parseFixedWidth(text, 2, 2);
    const auto second = text.size() == 6 ? parseFixedWidth(text, 4, 2) : std::optional<int>(0);
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

void setDateTime(LoggedQso& qso, const CalendarDate& date, const TimeOfDay& time) {
    qso.year = date.year;
    qso.month = date.month;
    qso.day = date.day;
    qso.hour = time.hour;
    qso.minute = time.minute;
    qso.second = time.second;
}

}  // namespace hostlog
