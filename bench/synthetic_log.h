#pragma once

#include <cstddef>
#include <vector>

#include "tools/host/plugin_library.h"

// A contest log shaped like a big station's: a few hundred countries, thousands of distinct
// calls worked on several bands, a few percent dupes, QSOs minutes apart over 48 hours.
std::vector<host::QsoArguments> syntheticLog(std::size_t qsoCount);

host::PassArguments syntheticPass();
