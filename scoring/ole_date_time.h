#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The host's date-time value, read through the pointers it passes. The class lives in
// namespace ATL because the exports' decorated names encode exactly that type.
namespace ATL {

class COleDateTime {
public:
    enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

    struct Calendar {
        int year, month, day, hour, minute, second;
    };

    constexpr COleDateTime() = default;
    constexpr COleDateTime(double days, DateTimeStatus status) : m_dt(days), m_status(status) {}
    static COleDateTime fromCalendar(const Calendar& when);

    double days() const { return m_dt; }
    DateTimeStatus status() const { return m_status; }

    // strftime-style: %d %m %Y %H %M %S %%; other characters are copied.
    // An invalid value gives "Invalid DateTime", a null one an empty text.
    std::string Format(const char* format) const;

    // Calendar time after rounding to the nearest second, as the platform converts;
    // empty when the value is not valid or outside the years 100 to 9999.
    std::optional<Calendar> toCalendar() const;

    // Same moment for the removal search: equal statuses and either both valid with
    // equal day values or both null; invalid values never match.
    bool sameMoment(const COleDateTime& other) const;

private:
    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};

static_assert(sizeof(COleDateTime) == 16, "host layout: double then 32-bit status");

}  // namespace ATL

using ATL::COleDateTime;
