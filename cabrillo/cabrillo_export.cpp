#include "cabrillo/cabrillo_export.h"

namespace {

struct ModeText {
    std::string_view mode;
    std::string_view text;
};

constexpr ModeText kModeTexts[] = {{"CW", "CW"}, {"SSB", "PH"}};
constexpr std::string_view kUnknownModeText = "??";

}  // namespace

std::string_view modeTextFor(std::string_view mode) {
    for (const auto& known : kModeTexts) {
        if (known.mode == mode) return known.text;
    }
    return kUnknownModeText;
}

CabrilloFile buildCabrilloExport(ContestState& state) {
    CabrilloReport& report = state.cabrillo;
    report.clearQsoLines();
    for (const CInfo& record : state.log) report.addQsoLine(record, modeTextFor(record.mode));
    return {report.fileName(), report.fileText(state.claimedScore, state.hostVersion)};
}
