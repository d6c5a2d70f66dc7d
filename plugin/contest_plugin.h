#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cabrillo/header_form_dialog.h"
#include "display/display.h"
#include "plugin/platform.h"
#include "plugin/scoring_pass.h"
#include "scoring/call_check.h"
#include "scoring/contest_state.h"
#include "scoring/qso_intake.h"

// The plug-in's behaviour behind the exports, on decoded arguments. It owns the contest state
// and takes its lock while it changes the log and the per-band lists; it never waits on the
// display while holding it.
class ContestPlugin {
public:
    static constexpr const char* kSetName = "GACW WWSA CW (C)";

    ContestPlugin(Platform& platform, Display& display, HeaderFormDialog& headerForm = platformHeaderForm())
        : m_platform(platform), m_display(display), m_headerForm(headerForm) {}

    void resetStats(const ScoringPassStart& start);
    bool addData(const HandedQso& qso);
    void removeData(const HandedQso& qso);
    // Writes the expected exchange into `expectedExchange` (100 bytes, may be null) when it has one.
    int checkCall(const CallCheckQuery& query, char* expectedExchange);
    bool isValidExchange(std::string_view exchange, std::string_view dxccPrefix, std::int32_t rejectFlag) const;
    const char* getResult();
    void setupSet();
    void switchToHtml();

    // Library unload: close the display before the state goes.
    void shutdownDisplay();

    ContestState& state() { return m_state; }

private:
    // The Cabrillo header form before an export; cancelling it cancels the export.
    void askCabrilloHeader(const std::string& contestantCall);

    ContestState m_state;
    Platform& m_platform;
    Display& m_display;
    HeaderFormDialog& m_headerForm;
};
