#pragma once

#include <string>
#include <string_view>

#include "scoring/contest_state.h"

// The file of one export, built while the contest state is locked and written after.
struct CabrilloFile {
    std::string name;
    std::string text;
};

// The mode column of a QSO line: "CW" for CW, "PH" for SSB, "??" for anything else.
std::string_view modeTextFor(std::string_view mode);

// One export of the whole log in stored order, dupes included, with the claimed score of the
// summary just built. The QSO lines start empty, so a second export lists every QSO once.
CabrilloFile buildCabrilloExport(ContestState& state);
