#pragma once

#include <cstddef>
#include <map>
#include <ostream>
#include <string>

#include "tools/replay/replay.h"

// Everything the operator is told after the summary.
struct ReplayReport {
    std::size_t qsosRead = 0;
    std::size_t logProblems = 0;
    std::size_t unresolvedCalls = 0;
    ReplayCounts counts;
    std::map<std::string, std::size_t> badQsoReasons;  // from the plug-in's bad-QSO file
    std::string badQsoFile;
    double seconds = 0.0;
};

// Lines of the plug-in's bad-QSO file by their reason text ("DUPE", "WRONG BAND", ...).
std::map<std::string, std::size_t> countBadQsoReasons(const std::string& fileText);

// "BadQSO_RedodIVER_dd_mm_yyyy.txt" after the last day of the contest.
std::string badQsoFileNameFor(const hostlog::LoggedQso& contestEnd);

void printReport(std::ostream& out, const ReplayReport& report);
