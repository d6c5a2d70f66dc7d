#include "scoring/band_lists.h"

#include <algorithm>

void WorkedLists::clearAll() {
    for (auto& list : entities) list.clear();
    for (auto& list : zones) list.clear();
}

void WorkedLists::removeZone(int bandIndex, std::uint32_t zone) {
    auto& list = zones[static_cast<std::size_t>(bandIndex)];
    const auto it = std::find(list.begin(), list.end(), zone);
    if (it != list.end()) list.erase(it);
}

void CallDetailsRows::reset() {
    for (std::size_t band = 0; band < rows.size(); ++band) {
        rows[band] = {kContestBandNames[band], "-", "-", "-", "-"};
    }
}
