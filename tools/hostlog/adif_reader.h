#pragma once

#include <string>
#include <string_view>

#include "tools/hostlog/logged_qso.h"

namespace hostlog {

// Reads an ADIF (.adi) log. Never throws on bad input: a broken record is
// reported in problems and reading resumes after its <EOR>.
LogReadResult readAdif(const std::string& fileName, std::string_view text);

}  // namespace hostlog
