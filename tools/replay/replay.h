#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/host/plugin_library.h"
#include "tools/hostlog/country_file.h"
#include "tools/hostlog/logged_qso.h"

// One QSO as the host hands it over, with the zone the host's country data gives the call.
struct HostQso {
    host::QsoArguments arguments;
    int cqZone = 0;
};

struct Contestant {
    std::string call, prefix, continent;
};

// The host's own part: DXCC prefix, continent and zone of each worked call from its
// country data; calls it cannot resolve go over with empty prefix and continent.
std::vector<HostQso> prepareQsos(const std::vector<hostlog::LoggedQso>& log, const hostlog::CountryFile& countries,
                                 const std::string& ownCall, std::size_t& unresolvedCalls);

// The first and the last QSO of a non-empty log: the contest period it covers.
struct LogPeriod {
    const hostlog::LoggedQso* first;
    const hostlog::LoggedQso* last;
};
LogPeriod periodOf(const std::vector<hostlog::LoggedQso>& log);

host::PassArguments passFor(const LogPeriod& period, const Contestant& own, bool cabrilloExport);

// What the plug-in answered during a replay.
struct ReplayCounts {
    std::size_t stored = 0;
    std::size_t rejected = 0;
    std::map<int, std::size_t> callCheckAnswers;  // by code
    std::size_t exchangesRefused = 0;
    std::size_t summaries = 0;
    std::string summary;  // the last one
};

using Progress = std::function<void(std::size_t done, std::size_t total)>;

// Calls the exports in the host's order: a call check and an exchange check before each
// QSO is logged, then the QSO, and the summary every `refreshEvery` QSOs and at the end.
ReplayCounts playThrough(host::PluginLibrary& plugin, const host::PassArguments& pass,
                         const std::vector<HostQso>& qsos, std::size_t refreshEvery, const Progress& progress);
