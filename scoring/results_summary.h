#pragma once

#include <string>
#include <vector>

#include "scoring/contest_state.h"

// Rescans the whole log: sorts the logged-band list, tallies every band, rebuilds the worked
// lists, fills the summary buffer (text or HTML) and keeps the score as the claimed score.
void buildSummary(ContestState& state);

// Descending by the name left-padded with "0" to 20 characters, so 160m comes before 80m.
void sortLoggedBands(std::vector<std::string>& bands);
