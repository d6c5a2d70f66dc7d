#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "scoring/qso_record.h"

// Who is operating: the points of a QSO depend on it.
struct OwnStation {
    std::string call;
    std::string dxccPrefix;
    std::string continent;
    bool continentIsSouthAmerica = false;
    bool russianCaptions = false;
};

enum class Rejection { none, wrongBand, wrongMode, noNumber };

// First failed acceptance test of a handed-over QSO, in the order band, mode, exchanges.
Rejection acceptanceOf(const CInfo& record);

// The reason texts of the bad-QSO file.
std::string_view reasonText(Rejection rejection);
inline constexpr std::string_view kDupeReason = "   DUPE !!!";

// Counted: stored, with a call, and not a dupe.
inline bool takesPart(const CInfo& record) { return !record.call.empty(); }
inline bool isCounted(const CInfo& record) { return takesPart(record) && record.excluded == 0; }

std::int32_t qsoPoints(const CInfo& record, const OwnStation& own);

// What one band adds up to: QSOs, points, multipliers and dupes, with the distinct prefixes
// and zones in the order they were first worked.
class BandTally {
public:
    explicit BandTally(std::string band) : m_band(std::move(band)) {}

    // Takes a stored record of this band that takes part; returns whether it counted.
    bool add(const CInfo& record, std::int32_t points);

    const std::string& band() const { return m_band; }
    std::int32_t qsos() const { return m_qsos; }
    std::int32_t points() const { return m_points; }
    std::int32_t dxccMultipliers() const { return static_cast<std::int32_t>(m_prefixes.size()); }
    std::int32_t zoneMultipliers() const { return static_cast<std::int32_t>(m_zones.size()); }
    std::int32_t dupes() const { return m_dupes; }
    const std::vector<std::string>& prefixes() const { return m_prefixes; }
    const std::vector<std::uint32_t>& zones() const { return m_zones; }

private:
    std::string m_band;
    std::int32_t m_qsos = 0;
    std::int32_t m_points = 0;
    std::int32_t m_dupes = 0;
    std::vector<std::string> m_prefixes;
    std::vector<std::uint32_t> m_zones;
    std::unordered_set<std::string> m_seenPrefixes;
    std::unordered_set<std::uint32_t> m_seenZones;
};

// Sums of host-sized counts wrap to 32 bits like the host's integer arithmetic.
inline std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// points × (DXCC + zones), wrapping to 32 bits like the host's integer arithmetic.
std::int32_t contestScore(std::int32_t points, std::int32_t dxcc, std::int32_t zones);
