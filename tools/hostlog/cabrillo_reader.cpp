#include "tools/hostlog/cabrillo_reader.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "tools/hostlog/bands.h"
#include "tools/hostlog/date_time_fields.h"
#include "tools/hostlog/numbers.h"
#include "tools/hostlog/text.h"

namespace hostlog {

namespace {

// QSO: freq mode date time mycall rst exch call rst exch [transmitter ...]
enum Column : std::size_t {
    Tag,
    Frequency,
    Mode,
    Date,
    Time,
    MyCall,
    RstSent,
    ExchangeSent,
    Call,
    RstReceived,
    ExchangeReceived,
    ColumnCount
};

// Logs give kHz ("14025"), but some give the band in MHz ("14", "3.5")
// instead; no kHz value of an HF or VHF band is that small.
constexpr std::uint64_t lowestKilohertzValueHz = 1'000'000;
constexpr unsigned hertzDigitsOfKilohertz = 3;
constexpr std::uint64_t kilohertzPerMegahertz = 1000;

// Returns why the line is not a usable QSO, or empty.
std::string fillQso(const std::vector<std::string_view>& columns, LoggedQso& qso) {
    if (columns.size() < ColumnCount) {
        return "QSO line has " + std::to_string(columns.size() - 1) + " columns, needs " +
               std::to_string(ColumnCount - 1);
    }
    const auto frequency = parseScaledDecimal(columns[Frequency], hertzDigitsOfKilohertz);
    if (!frequency) return "bad frequency " + quoted(columns[Frequency]);
    if (*frequency >= lowestKilohertzValueHz) {
        qso.frequencyHz = *frequency;
        qso.band = bandFromFrequencyHz(*frequency);
    } else {
        qso.band = bandFromFrequencyHz(*frequency * kilohertzPerMegahertz);
        if (qso.band.empty()) return "bad frequency " + quoted(columns[Frequency]);
    }

    const auto date = parseDashedDate(columns[Date]);
    if (!date) return "bad date " + quoted(columns[Date]);
    const auto time = parseTimeOfDay(columns[Time]);
    if (!time) return "bad time " + quoted(columns[Time]);
    setDateTime(qso, *date, *time);

    qso.mode = columns[Mode];
    qso.myCall = toUpperAscii(columns[MyCall]);
    qso.rstSent = columns[RstSent];
    qso.exchangeSent = columns[ExchangeSent];
    qso.call = toUpperAscii(columns[Call]);
    qso.rstReceived = columns[RstReceived];
    qso.exchangeReceived = columns[ExchangeReceived];
    return {};
}

}  // namespace

LogReadResult readCabrillo(const std::string& fileName, std::string_view text) {
    LogReadResult result;
    LineCursor lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const std::vector<std::string_view> columns = splitOnWhitespace(line);
        // Headers, X-QSO: lines and unknown tags carry no QSO to score.
        if (columns.empty() || !equalsIgnoreCase(columns[Tag], "QSO:")) continue;
        LoggedQso qso;
        qso.sourceLine = lines.lineNumber();
        if (std::string error = fillQso(columns, qso); !error.empty()) {
            result.problems.push_back(LogProblem{fileName, qso.sourceLine, std::move(error)});
        } else {
            result.qsos.push_back(std::move(qso));
        }
    }
    return result;
}

}  // namespace hostlog
