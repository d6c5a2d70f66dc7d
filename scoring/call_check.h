#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scoring/qso_log.h"

// What the host asks while the operator types a callsign.
struct CallCheckQuery {
    std::string_view call;
    std::string_view mode;
    std::string_view dxccPrefix;
    std::int32_t cqZone = 0;
    std::string_view band;
    std::string_view secondBand;
};

enum CallCheckCode : int { kDupe = 0, kValidContact = 1, kNewMultiplier = 2, kNotApplicable = 4 };

struct CallCheckAnswer {
    int code = kNotApplicable;
    bool hasExpectedExchange = false;
    std::string expectedExchange;  // the CQ zone to expect, "?" added where it is only a guess
};

CallCheckAnswer checkCall(const QsoLog& log, std::string_view hostVersion, const CallCheckQuery& query);

// Whether a received exchange is an acceptable CQ zone for the worked station's country.
bool isValidExchange(std::string_view exchange, std::string_view dxccPrefix, std::int32_t rejectFlag);
