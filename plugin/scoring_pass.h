#pragma once

#include <string>
#include <string_view>

#include "display/display.h"
#include "plugin/platform.h"
#include "scoring/contest_state.h"

// What the host hands over when a scoring pass begins.
struct ScoringPassStart {
    std::string hostFolderPrefix;  // followed directly by "*.ini" in the search for the host's settings
    int cabrilloExportRequest = 0;
    std::string contestantCall;
    COleDateTime periodStart;
    COleDateTime periodEnd;
    std::string ownDxccPrefix;
    std::string ownContinent;
};

// The steps of a scoring pass start that change the contest state: who operates, when,
// the host version, an empty log and reset call details. Run under the state's lock.
void beginScoringPass(ContestState& state, Platform& platform, const ScoringPassStart& start);

// The display start toggle kept in the settings: every other pass starts the display, when
// it is not running and the host version allows it. Run without the state's lock.
void toggleDisplayStart(std::string_view hostVersion, Platform& platform, Display& display);
