#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the operator asks of a replay, from the command line.
struct ReplayOptions {
    std::string logPath;
    std::string pluginPath;     // empty: the library next to the tool
    std::string countryFile = "/usr/share/hamradio-files/cty.dat";
    std::string workFolder = "replay-out";
    std::string ownCall;        // empty: from the log
    std::string ownPrefix;      // empty: resolved from the own call
    std::string ownContinent;   // empty: resolved from the own call
    std::string htmlPath;       // empty: no HTML summary
    bool cabrilloExport = false;
    std::size_t refreshEvery = 0;  // 0: one summary at the end
    bool showHelp = false;
};

// Throws std::invalid_argument with a message for the operator.
ReplayOptions parseReplayOptions(const std::vector<std::string>& arguments);

extern const char* const kReplayUsage;
