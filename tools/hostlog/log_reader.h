#pragma once

#include <string>
#include <string_view>

#include "tools/hostlog/logged_qso.h"

namespace hostlog {

enum class LogFormat { Adif, Cabrillo, Unknown };

// Decides by content, since file extensions of contest logs are unreliable.
LogFormat detectLogFormat(std::string_view text);

// Reads a log of either format; an unrecognised text gives a single problem.
LogReadResult readLog(const std::string& fileName, std::string_view text);

// As readLog, on the file's bytes; a file that cannot be read gives a problem.
LogReadResult readLogFile(const std::string& path);

}  // namespace hostlog
