#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hostlog {

// One QSO as a log file gives it, before any contest rule is applied.
struct LoggedQso {
    std::string call;    // worked station, upper case
    std::string myCall;  // own call when the log names it, else empty
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;      // UTC; 0 when the log gives minutes only
    std::uint64_t frequencyHz = 0;  // 0 when unknown
    std::string band;    // lower case, e.g. "20m"; empty when unknown
    std::string mode;    // as logged, e.g. "CW", "SSB", "PH"
    std::string rstSent;
    std::string rstReceived;
    std::string exchangeSent;
    std::string exchangeReceived;
    std::size_t sourceLine = 0;  // 1-based line where the QSO starts in the file
};

struct LogProblem {
    std::string fileName;
    std::size_t line = 0;  // 0 when the problem concerns the whole file
    std::string message;
};

struct LogReadResult {
    std::vector<LoggedQso> qsos;
    std::vector<LogProblem> problems;
};

// Days since 1899-12-30 00:00 UTC with the time of day as fraction, the form
// in which the host hands QSO times to the plug-in.
double toOleDate(const LoggedQso& qso);

// "file:line: message", or "file: message" when the line is 0.
std::string describe(const LogProblem& problem);

}  // namespace hostlog
