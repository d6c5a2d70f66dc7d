#include "scoring/results_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>

#include "scoring/summary_fragments.h"
#include "scoring/text.h"

namespace {

constexpr double kHalfSecondInDays = 5.787037037037037e-06;
constexpr std::size_t kSortKeyWidth = 20;
constexpr const char* kEmptyLogBand = "30m";  // matches no stored band

struct Totals {
    std::int32_t qsos = 0, points = 0, dxcc = 0, zones = 0, dupes = 0;

    void add(const BandTally& band) {
        qsos = wrappingAdd(qsos, band.qsos());
        points = wrappingAdd(points, band.points());
        dxcc = wrappingAdd(dxcc, band.dxccMultipliers());
        zones = wrappingAdd(zones, band.zoneMultipliers());
        dupes = wrappingAdd(dupes, band.dupes());
    }
};

struct Rates {
    std::int32_t hourQsos = 0, hourPoints = 0, tenMinuteQsos = 0, tenMinutePoints = 0, lastQsoPoints = 0;
};

// Whole minutes between two OLE dates, rounded to the second first. A value the 64-bit
// conversion cannot hold becomes the lowest one, as the processor's conversion gives it.
std::int64_t ageInMinutes(double reference, double time) {
    double days = reference - time;
    days += days >= 0 ? kHalfSecondInDays : -kHalfSecondInDays;
    const double minutes = std::trunc(days * 1440.0);
    constexpr double kLimit = 9.2e18;
    if (!(std::fabs(minutes) < kLimit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(minutes);
}

std::string sortKey(const std::string& band) {
    return band.size() >= kSortKeyWidth ? band : std::string(kSortKeyWidth - band.size(), '0') + band;
}

// The worked lists a band's tally fills: unknown band names reuse the previous band's lists.
int workedListIndex(const std::string& band, int previous) {
    const int index = bandIndexOf(band);
    return index >= 0 ? index : previous;
}

class SummaryWriter {
public:
    SummaryWriter(std::string& out, bool html) : m_out(out), m_html(html) {}

    void opening(const ContestPeriod& period, const std::string& contestant) {
        if (!m_html) {
            m_out += formatText(summary_text::kOpening, period.startText.c_str(), period.endText.c_str(),
                                contestant.c_str());
            return;
        }
        const std::string title =
            formatText(summary_html::kTitle, period.startText.c_str(), period.endText.c_str());
        m_out += summary_html::kPageHead;
        m_out += formatText(summary_html::kHeading, escapeHtml(title).c_str(), escapeHtml(contestant).c_str());
        m_out += formatText(summary_html::kColumnHeads, "Band", "QSOs", "Points", "DXCC", "Zone");
    }

    void bandRow(const std::string& name, std::int32_t qsos, std::int32_t points, std::int32_t dxcc,
                 std::int32_t zones) {
        const std::string shown = m_html ? escapeHtml(name) : name;
        m_out += formatText(m_html ? summary_html::kBandRow : summary_text::kBandRow, shown.c_str(), qsos, points,
                            dxcc, zones);
    }

    void totals(const Totals& totals, std::int32_t badQsos, const Rates& rates, std::int32_t score) {
        if (!m_html) {
            m_out += formatText(summary_text::kTotals, totals.qsos, totals.points, totals.dxcc, totals.zones,
                                totals.dupes, badQsos);
            return;
        }
        bandRow("Total", totals.qsos, totals.points, totals.dxcc, totals.zones);
        m_out += formatText(summary_html::kCountRow, "Dupe", totals.dupes);
        m_out += formatText(summary_html::kCountRow, "Bad QSO", badQsos);
        m_out += formatText(summary_html::kLastQsoPointsRow, "Last QSO points:", rates.lastQsoPoints);
        m_out += formatText(summary_html::kScoreRow, "Score:", totals.points, totals.dxcc, totals.zones, score);
    }

    void closing(const Totals& totals, const Rates& rates, std::int32_t score, bool showTextRates) {
        if (m_html) {
            m_out += formatText(summary_html::kRateRow, "Hourly (10min/1 hour) QSO rate:", rates.hourQsos,
                                6 * rates.tenMinuteQsos);
            m_out += formatText(summary_html::kRateRow, "Hourly (10min/1 hour) pts rate:", rates.hourPoints,
                                6 * rates.tenMinutePoints);
            m_out.append(summary_html::kPageFootStart).append(summary_text::kCredit).append(summary_html::kPageFootEnd);
            return;
        }
        if (showTextRates) {
            m_out += formatText(summary_text::kRates, rates.hourQsos, 6 * rates.tenMinuteQsos, rates.hourPoints,
                                6 * rates.tenMinutePoints, rates.lastQsoPoints);
        }
        m_out += formatText(summary_text::kScore, totals.points, totals.dxcc, totals.zones, score);
        m_out += summary_text::kCredit;
    }

private:
    std::string& m_out;
    bool m_html;
};

// Tallies every logged band in one pass over the log, in stored order; rates and the
// last-QSO points come from the counted QSOs of the reference band.
std::vector<BandTally> tallyBands(const ContestState& state, const std::string& referenceBand,
                                  double referenceTime, Rates& rates) {
    std::vector<BandTally> tallies;
    std::unordered_map<std::string_view, std::size_t> tallyOf;
    for (const auto& band : state.loggedBands) {
        tallyOf.emplace(band, tallies.size());
        tallies.emplace_back(band);
    }
    const bool measureRates = !state.cabrilloExport && !state.log.empty();

    for (const CInfo& record : state.log) {
        const auto found = tallyOf.find(record.band);
        if (!takesPart(record) || found == tallyOf.end()) continue;
        const std::int32_t points = qsoPoints(record, state.own);
        if (!tallies[found->second].add(record, points) || record.band != referenceBand) continue;

        rates.lastQsoPoints = points;
        if (!measureRates) continue;
        const std::int64_t age = ageInMinutes(referenceTime, record.time.days());
        if (age < 60) {
            ++rates.hourQsos;
            rates.hourPoints += points;
        }
        if (age < 10) {
            ++rates.tenMinuteQsos;
            rates.tenMinutePoints += points;
        }
    }
    return tallies;
}

}  // namespace

void sortLoggedBands(std::vector<std::string>& bands) {
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            if (sortKey(bands[i]) < sortKey(bands[j])) std::swap(bands[i], bands[j]);
        }
    }
}

void buildSummary(ContestState& state) {
    state.summary.clear();
    const std::size_t n = state.log.size();
    const double referenceTime = !state.cabrilloExport && n >= 2 ? state.log[n - 1].time.days() : 0.0;
    const std::string referenceBand = n > 0 ? state.log[n - 1].band : kEmptyLogBand;

    SummaryWriter writer(state.summary, state.htmlOutput);
    writer.opening(state.period, state.own.call);

    sortLoggedBands(state.loggedBands);
    const auto badQsoFileLines = static_cast<std::int64_t>(state.badQsoFile.countLines());

    Rates rates;
    Totals totals;
    int listIndex = 0;
    for (const BandTally& tally : tallyBands(state, referenceBand, referenceTime, rates)) {
        listIndex = workedListIndex(tally.band(), listIndex);
        state.worked.entities[static_cast<std::size_t>(listIndex)] = tally.prefixes();
        state.worked.zones[static_cast<std::size_t>(listIndex)] = tally.zones();
        writer.bandRow(tally.band(), tally.qsos(), tally.points(), tally.dxccMultipliers(), tally.zoneMultipliers());
        totals.add(tally);
    }

    // The first line of the bad-QSO file is its header; dupes are listed there too.
    const std::int64_t badCount = std::max<std::int64_t>(badQsoFileLines - totals.dupes, 1);
    const auto badQsosShown = static_cast<std::int32_t>(std::min<std::int64_t>(badCount - 1, INT32_MAX));
    const std::int32_t score = contestScore(totals.points, totals.dxcc, totals.zones);

    writer.totals(totals, badQsosShown, rates, score);
    writer.closing(totals, rates, score, !state.cabrilloExport && n >= 1);
    state.claimedScore = score;
}
