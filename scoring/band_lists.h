#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scoring/contest_rules.h"

// Distinct DXCC prefixes and zone numbers of the counted QSOs of each contest band, as the
// last results summary left them for the display.
struct WorkedLists {
    std::array<std::vector<std::string>, kBandCount> entities;
    std::array<std::vector<std::uint32_t>, kBandCount> zones;

    void clearAll();
    // Takes the first equal number out of a band's zone list, if there is one.
    void removeZone(int bandIndex, std::uint32_t zone);
};

// Per contest band: band name, mode, time, zone and a spare cell of the typed callsign's QSO.
using CallDetailsRow = std::array<std::string, 5>;
struct CallDetailsRows {
    std::array<CallDetailsRow, kBandCount> rows;

    // Band name then four dashes, as at the start of a scoring pass.
    void reset();
};
