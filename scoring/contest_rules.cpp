#include "scoring/contest_rules.h"

#include "scoring/text.h"

bool CContestRules::contains(std::string_view text) const {
    for (const auto& element : m_texts) {
        if (equalsIgnoringCase(element, text)) return true;
    }
    return false;
}

const CContestRules& contestBands() {
    static const CContestRules bands(kContestBandNames);
    return bands;
}

const CContestRules& contestModes() {
    static const CContestRules modes(kContestModeNames);
    return modes;
}

int bandIndexOf(std::string_view band) {
    for (int i = 0; i < kBandCount; ++i) {
        if (band == kContestBandNames[i]) return i;
    }
    return -1;
}
