#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_report.h"
#include "scoring/bad_qso_file.h"
#include "scoring/band_lists.h"
#include "scoring/ole_date_time.h"
#include "scoring/qso_log.h"
#include "scoring/scoring_rules.h"

// The contest period as the summary title and the display captions show it.
struct ContestPeriod {
    COleDateTime start;
    COleDateTime end;
    std::string startText;  // "%d.%m" of the start
    std::string yearText;   // "%Y" of the start
    std::string endText;    // "%d.%m.%Y" of the end
};

// Everything the plug-in knows about the contest, owned in one place. The exports change it
// on the host's thread while holding `mutex`; the display thread takes the same lock to read.
struct ContestState {
    mutable std::mutex mutex;

    QsoLog log;
    std::vector<std::string> loggedBands;  // distinct band texts, in first-stored order
    WorkedLists worked;
    CallDetailsRows callDetails;

    OwnStation own;
    ContestPeriod period;
    std::string hostVersion;
    BadQsoFile badQsoFile;
    bool cabrilloExport = false;
    bool htmlOutput = false;

    std::string summary;  // the text GetResult0 hands out; valid until its next call
    std::int32_t claimedScore = 0;
    CabrilloReport cabrillo;  // the header confirmed last and the lines of the export under way

    // 1 while no refresh asked for by the call check is waiting on the display thread.
    std::atomic<int> wakeUpFlag{1};
};
