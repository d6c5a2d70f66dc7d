#pragma once

#include <string>
#include <string_view>

#include "scoring/qso_record.h"

// One QSO line of the Cabrillo file, CR LF included. Both RST columns read 59 whatever the
// record holds; the widths are minimums, longer values are written whole.
std::string qsoLine(const CInfo& record, std::string_view modeText, std::string_view ownCall);

// A received exchange of exactly four characters is written as "0", its first character, a blank
// and its last two; any other is written as it is.
std::string receivedExchangeColumn(const std::string& exchange);
