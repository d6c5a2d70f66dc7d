#include "tools/hostlog/logged_qso.h"

#include <chrono>

namespace hostlog {

double toOleDate(const LoggedQso& qso) {
    using namespace std::chrono;
    constexpr sys_days oleEpoch{year{1899} / December / day{30}};
    const sys_days date{year{qso.year} / month{static_cast<unsigned>(qso.month)} /
                        day{static_cast<unsigned>(qso.day)}};
    const int secondOfDay = qso.hour * 3600 + qso.minute * 60 + qso.second;
    return static_cast<double>((date - oleEpoch).count()) + secondOfDay / 86400.0;
}

std::string describe(const LogProblem& problem) {
    std::string text = problem.fileName;
    if (problem.line != 0) text += ':' + std::to_string(problem.line);
    return text + ": " + problem.message;
}

}  // namespace hostlog
