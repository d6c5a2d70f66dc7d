#include "scoring/scoring_rules.h"

#include "scoring/contest_rules.h"

Rejection acceptanceOf(const CInfo& record) {
    if (!contestBands().contains(record.band)) return Rejection::wrongBand;
    if (!contestModes().contains(record.mode) || record.mode != "CW") return Rejection::wrongMode;
    if (record.exchangeSent.empty() || record.exchangeReceived.empty()) return Rejection::noNumber;
    return Rejection::none;
}

std::string_view reasonText(Rejection rejection) {
    switch (rejection) {
        case Rejection::wrongBand: return "   WRONG BAND !!!";
        case Rejection::wrongMode: return "   WRONG MODE !!!";
        case Rejection::noNumber: return "   NO NUMBER !!!";
        case Rejection::none: break;
    }
    return {};
}

std::int32_t qsoPoints(const CInfo& record, const OwnStation& own) {
    if (record.dxccPrefix == own.dxccPrefix) return 0;
    const bool sameContinent = record.continent == own.continent;
    if (own.continentIsSouthAmerica) return sameContinent ? 1 : 3;
    if (record.continent == "SA") return 5;
    return sameContinent ? 1 : 3;
}

bool BandTally::add(const CInfo& record, std::int32_t points) {
    m_dupes = wrappingAdd(m_dupes, record.dupe);
    if (record.excluded != 0) return false;
    ++m_qsos;
    m_points = wrappingAdd(m_points, points);
    if (m_seenPrefixes.insert(record.dxccPrefix).second) m_prefixes.push_back(record.dxccPrefix);
    const auto zone = static_cast<std::uint32_t>(record.zone);
    if (m_seenZones.insert(zone).second) m_zones.push_back(zone);
    return true;
}

std::int32_t contestScore(std::int32_t points, std::int32_t dxcc, std::int32_t zones) {
    const std::uint32_t multipliers = static_cast<std::uint32_t>(dxcc) + static_cast<std::uint32_t>(zones);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(points) * multipliers);
}
