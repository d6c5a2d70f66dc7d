#pragma once

#include <string>

#include "scoring/ole_date_time.h"
#include "scoring/qso_record.h"

// A valid 20 m CW QSO of an EU station with the given station, to change where a test needs.
CInfo qsoWith(const std::string& call, const std::string& prefix, const std::string& continent, int zone,
              const std::string& band = "20m");

// 2018-05-12 at the given time of day.
COleDateTime contestTime(int hour, int minute, int second = 0);
