#include "plugin/scoring_pass.h"

#include <algorithm>
#include <array>

#include "plugin/host_version.h"
#include "plugin/plugin_settings.h"

namespace {

constexpr std::array<std::string_view, 7> kRussianSpeakingPrefixes = {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"};

bool usesRussianCaptions(std::string_view ownPrefix) {
    return std::find(kRussianSpeakingPrefixes.begin(), kRussianSpeakingPrefixes.end(), ownPrefix) !=
           kRussianSpeakingPrefixes.end();
}

}  // namespace

void beginScoringPass(ContestState& state, Platform& platform, const ScoringPassStart& start) {
    state.period = {start.periodStart, start.periodEnd, start.periodStart.Format("%d.%m"),
                    start.periodStart.Format("%Y"), start.periodEnd.Format("%d.%m.%Y")};
    if (auto version = lookUpHostVersion(platform, start.hostFolderPrefix)) state.hostVersion = std::move(*version);

    state.own = {start.contestantCall, start.ownDxccPrefix, start.ownContinent, start.ownContinent == "SA",
                 usesRussianCaptions(start.ownDxccPrefix)};

    state.log.clear();
    state.loggedBands.clear();
    state.callDetails.reset();

    PluginSettings(platform).write("setup_style", "0");
    state.cabrilloExport = start.cabrilloExportRequest != 0;
    state.badQsoFile.setName(BadQsoFile::nameFor(start.periodEnd));
}

void toggleDisplayStart(std::string_view hostVersion, Platform& platform, Display& display) {
    const PluginSettings settings(platform);
    if (settings.readNumber("Start") != 0) {
        settings.write("Start", "0");
        return;
    }
    if (display.isRunning()) return;
    if (displayAllowedFor(hostVersion)) display.start();
    settings.write("Start", "1");
}
