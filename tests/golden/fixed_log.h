#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/host/plugin_library.h"

// What a replay of the fixed log leaves behind, each text under the name of its golden file.
using ReplayOutput = std::vector<std::pair<std::string, std::string>>;

// Replays one fixed small log through the exports, as the host does, in the current directory
// (which has the host's "Plugins" folder): a scoring pass with accepted, dupe and rejected QSOs
// and one removal, the text summary, then the HTML one.
ReplayOutput replayFixedLog(host::PluginLibrary& plugin);

// Expects every text of the replay to equal its golden file byte for byte, whichever system and
// whichever build of the library produced it.
void expectGoldenFiles(const ReplayOutput& output);
