#include "tests/support/qso_builder.h"

CInfo qsoWith(const std::string& call, const std::string& prefix, const std::string& continent, int zone,
              const std::string& band) {
    CInfo record;
    record.call = call;
    record.dxccPrefix = prefix;
    record.continent = continent;
    record.band = band;
    record.mode = "CW";
    record.rstSent = "599";
    record.rstReceived = "599";
    record.exchangeSent = "14";
    record.exchangeReceived = std::to_string(zone);
    record.zone = zone;
    record.frequencyKHz = 14025;
    record.time = contestTime(12, 0);
    return record;
}

COleDateTime contestTime(int hour, int minute, int second) {
    return COleDateTime::fromCalendar({2018, 5, 12, hour, minute, second});
}
