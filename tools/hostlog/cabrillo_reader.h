#pragma once

#include <string>
#include <string_view>

#include "tools/hostlog/logged_qso.h"

namespace hostlog {

// Reads the QSO: lines of a Cabrillo 3.0 log; every other line is skipped.
// A QSO: line that cannot be read is reported in problems and left out.
LogReadResult readCabrillo(const std::string& fileName, std::string_view text);

}  // namespace hostlog
