#include "tools/replay/replay_report.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace {

// The plug-in ends each line of its bad-QSO file with "   REASON !!!".
std::string reasonOf(const std::string& line) {
    const auto end = line.rfind(" !!!");
    if (end == std::string::npos) return {};
    const auto start = line.rfind("   ", end);
    return start == std::string::npos ? std::string() : line.substr(start + 3, end - start - 3);
}

const char* meaningOf(int code) {
    switch (code) {
        case 0: return "dupe";
        case 1: return "valid, no new multiplier";
        case 2: return "new multiplier";
        case 4: return "not applicable (band or mode)";
        default: return "unexpected";
    }
}

}  // namespace

std::map<std::string, std::size_t> countBadQsoReasons(const std::string& fileText) {
    std::map<std::string, std::size_t> reasons;
    std::istringstream lines(fileText);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto reason = reasonOf(line); !reason.empty()) ++reasons[reason];
    }
    return reasons;
}

std::string badQsoFileNameFor(const hostlog::LoggedQso& contestEnd) {
    char name[64];
    std::snprintf(name, sizeof name, "BadQSO_RedodIVER_%02d_%02d_%04d.txt", contestEnd.day, contestEnd.month,
                  contestEnd.year);
    return name;
}

void printReport(std::ostream& out, const ReplayReport& report) {
    const ReplayCounts& counts = report.counts;
    out << "\n\nReplay report\n"
        << "  QSOs read:              " << report.qsosRead << '\n';
    if (report.logProblems) out << "  log lines skipped:      " << report.logProblems << " (see above)\n";
    if (report.unresolvedCalls) out << "  calls without country:  " << report.unresolvedCalls << '\n';
    out << "  stored by the plug-in:  " << counts.stored << '\n'
        << "  rejected:               " << counts.rejected << '\n';
    out << "  bad-QSO file " << report.badQsoFile << ":\n";
    if (report.badQsoReasons.empty()) out << "    (no lines)\n";
    for (const auto& [reason, count] : report.badQsoReasons) {
        out << "    " << std::left << std::setw(20) << reason << std::right << count << '\n';
    }
    out << "  call check answers:\n";
    for (const auto& [code, count] : counts.callCheckAnswers) {
        out << "    " << code << " " << std::left << std::setw(30) << meaningOf(code) << std::right << count << '\n';
    }
    out << "  exchanges refused:      " << counts.exchangesRefused << '\n'
        << "  summaries asked for:    " << counts.summaries << '\n'
        << "  replay time:            " << std::fixed << std::setprecision(3) << report.seconds << " s\n";
}
