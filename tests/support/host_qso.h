#pragma once

#include <cstdint>
#include <string>

#include "tools/host/plugin_library.h"

// 12 May 2018 in the host's date form, and a CW QSO of DL1ABC's that day as the host hands it over.
inline constexpr double kMay12 = 43232.0;
inline constexpr double kMinute = 1.0 / 1440.0;

inline host::QsoArguments hostQso(const std::string& call, const std::string& prefix, const std::string& continent,
                                  const std::string& zone, int minuteOfDay, const std::string& band = "20m",
                                  std::uint32_t frequencyHz = 14025000) {
    host::QsoArguments q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = {kMay12 + minuteOfDay * kMinute, 0};
    q.frequencyHz = frequencyHz;
    q.exchangeSent = "14";
    q.exchangeReceived = zone;
    q.dxccPrefix = prefix;
    q.continent = continent;
    q.band = band;
    return q;
}

// The scoring pass the host starts for DL1ABC (DL, EU), 12 May 12:00 to 13 May 12:00.
inline host::PassArguments hostPass(int cabrilloExportRequest = 0) {
    return {"", cabrilloExportRequest, "DL1ABC", {kMay12 + 0.5, 0}, {kMay12 + 1.5, 0}, "DL", "EU"};
}
