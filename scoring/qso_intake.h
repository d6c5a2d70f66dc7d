#pragma once

#include <string_view>

#include "scoring/contest_state.h"

// The host's hand-over of one QSO: its record and the operator's own call for this QSO,
// which only the bad-QSO file shows.
struct HandedQso {
    CInfo record;
    std::string ownCall;
};

// Stores an accepted QSO (marking dupes) or writes a rejected one to the bad-QSO file;
// returns whether the QSO was stored.
bool addQso(ContestState& state, const HandedQso& qso);

// What a removal did, for the display to follow.
struct Removal {
    bool removedRecord = false;
};

// Takes the first stored record of this QSO out of the log and its lines out of the
// bad-QSO file.
Removal removeQso(ContestState& state, const HandedQso& qso);
