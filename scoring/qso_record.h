#pragma once

#include <cstdint>
#include <string>

#include "scoring/ole_date_time.h"

// One QSO as the plug-in keeps it.
struct CInfo {
    std::string call;
    std::string dxccPrefix;
    std::string continent;
    std::string band;
    std::string mode;
    std::string rstReceived;
    std::string rstSent;
    std::string exchangeReceived;
    std::string exchangeSent;
    std::string extraText;  // this contest never fills it
    std::int32_t zone = 0;  // integer value of exchangeReceived
    std::uint32_t frequencyKHz = 0;
    std::int32_t excluded = 0;  // stored, but does not count
    std::int32_t dupe = 0;
    COleDateTime time;
};
