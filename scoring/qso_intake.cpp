#include "scoring/qso_intake.h"

#include <algorithm>

bool addQso(ContestState& state, const HandedQso& qso) {
    CInfo record = qso.record;
    record.excluded = record.dupe = 0;

    const Rejection rejection = acceptanceOf(record);
    if (rejection != Rejection::none) {
        state.badQsoFile.appendLine(BadQsoFile::lineFor(record, qso.ownCall, reasonText(rejection)));
        return false;
    }

    auto& bands = state.loggedBands;
    if (std::find(bands.begin(), bands.end(), record.band) == bands.end()) bands.push_back(record.band);

    if (state.log.holdsCallBandMode(record.call, record.band, record.mode)) {
        state.badQsoFile.appendLine(BadQsoFile::lineFor(record, qso.ownCall, kDupeReason));
        record.excluded = record.dupe = 1;
    } else {
        state.badQsoFile.ensureExists();
    }
    state.log.append(record);
    return true;
}

Removal removeQso(ContestState& state, const HandedQso& qso) {
    const CInfo& wanted = qso.record;
    Removal removal;
    if (const auto index = state.log.find(wanted)) {
        const int bandIndex = std::max(bandIndexOf(wanted.band), 0);
        state.worked.removeZone(bandIndex, static_cast<std::uint32_t>(wanted.zone));
        state.log.removeAt(*index);
        removal.removedRecord = true;
    }
    if (state.log.empty()) {
        state.loggedBands.clear();
        state.worked.clearAll();
    }
    state.badQsoFile.removeLinesOf(wanted.call, wanted.time.Format("%Y-%m-%d %H%M"));
    return removal;
}
