#include "plugin/contest_plugin.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>

#include "cabrillo/cabrillo_export.h"
#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/header_form.h"
#include "plugin/plugin_settings.h"
#include "scoring/results_summary.h"

namespace {
constexpr std::size_t kExpectedExchangeBufferSize = 100;
}

void ContestPlugin::resetStats(const ScoringPassStart& start) {
    std::string hostVersion;
    {
        const std::lock_guard lock(m_state.mutex);
        beginScoringPass(m_state, m_platform, start);
        hostVersion = m_state.hostVersion;
    }
    const PluginSettings settings(m_platform);
    if (start.cabrilloExportRequest != 0) {
        askCabrilloHeader(start.contestantCall);
        settings.write("Start", "1");
    }
    toggleDisplayStart(hostVersion, m_platform, m_display);
    m_state.badQsoFile.create();
}

bool ContestPlugin::addData(const HandedQso& qso) {
    const std::lock_guard lock(m_state.mutex);
    return addQso(m_state, qso);
}

void ContestPlugin::removeData(const HandedQso& qso) {
    Removal removal;
    {
        const std::lock_guard lock(m_state.mutex);
        removal = removeQso(m_state, qso);
    }
    // The reset reaches the display before the refresh, which recolours what is still worked.
    if (removal.removedRecord) m_display.resetZoneDisplay();
    m_display.requestRefresh();
}

int ContestPlugin::checkCall(const CallCheckQuery& query, char* expectedExchange) {
    if (m_display.isRunning() && m_state.wakeUpFlag.exchange(0) == 1) m_display.requestRefresh();

    CallCheckAnswer answer;
    {
        const std::lock_guard lock(m_state.mutex);
        answer = ::checkCall(m_state.log, m_state.hostVersion, query);
    }
    if (answer.hasExpectedExchange && expectedExchange) {
        const std::size_t length = std::min(answer.expectedExchange.size(), kExpectedExchangeBufferSize - 1);
        std::memcpy(expectedExchange, answer.expectedExchange.data(), length);
        expectedExchange[length] = '\0';
    }
    return answer.code;
}

bool ContestPlugin::isValidExchange(std::string_view exchange, std::string_view dxccPrefix,
                                    std::int32_t rejectFlag) const {
    return ::isValidExchange(exchange, dxccPrefix, rejectFlag);
}

const char* ContestPlugin::getResult() {
    std::int32_t claimed = 0;
    std::optional<CabrilloFile> cabrillo;
    {
        const std::lock_guard lock(m_state.mutex);
        buildSummary(m_state);
        claimed = m_state.claimedScore;
        if (m_state.cabrilloExport) cabrillo = buildCabrilloExport(m_state);
    }
    PluginSettings(m_platform).writeNumber("Claimed", claimed);
    if (cabrillo) {
        m_platform.showMessage(writeCabrilloFile(cabrillo->name, cabrillo->text), "Output",
                               Platform::MessageStyle::information);
    }
    return m_state.summary.c_str();
}

void ContestPlugin::askCabrilloHeader(const std::string& contestantCall) {
    const PluginSettings settings(m_platform);
    const CabrilloHeader opened =
        openHeaderForm(contestantCall, [&](const std::string& key) { return settings.read(key); });
    CabrilloHeader answered = opened;
    // Modal: the state stays unlocked while the operator fills the form.
    if (!m_headerForm.run(answered)) {
        const std::lock_guard lock(m_state.mutex);
        m_state.cabrilloExport = false;
        return;
    }
    CabrilloHeader confirmed = confirmedHeader(opened, std::move(answered));
    for (const auto& saved : settingsSavedOnOk(confirmed)) settings.write(saved.key, saved.value);
    const std::lock_guard lock(m_state.mutex);
    m_state.cabrillo.confirm(std::move(confirmed), fileNameBaseFor(contestantCall));
}

void ContestPlugin::setupSet() {
    m_platform.showMessage("No additional setup for this contest", "", Platform::MessageStyle::plain);
}

void ContestPlugin::switchToHtml() {
    const std::lock_guard lock(m_state.mutex);
    m_state.htmlOutput = true;
}

void ContestPlugin::shutdownDisplay() { m_display.shutdown(); }
