#include "tools/replay/replay.h"

#include <algorithm>

namespace {

host::OleDate oleDateOf(const hostlog::LoggedQso& qso) { return {hostlog::toOleDate(qso), 0}; }

}  // namespace

std::vector<HostQso> prepareQsos(const std::vector<hostlog::LoggedQso>& log, const hostlog::CountryFile& countries,
                                 const std::string& ownCall, std::size_t& unresolvedCalls) {
    std::vector<HostQso> qsos;
    qsos.reserve(log.size());
    unresolvedCalls = 0;
    for (const auto& logged : log) {
        HostQso qso;
        host::QsoArguments& a = qso.arguments;
        a.ownCall = logged.myCall.empty() ? ownCall : logged.myCall;
        a.call = logged.call;
        a.time = oleDateOf(logged);
        a.frequencyHz = static_cast<std::uint32_t>(std::min<std::uint64_t>(logged.frequencyHz, UINT32_MAX));
        a.mode = logged.mode;
        a.rstSent = logged.rstSent;
        a.rstReceived = logged.rstReceived;
        a.exchangeSent = logged.exchangeSent;
        a.exchangeReceived = logged.exchangeReceived;
        a.band = logged.band;
        if (const auto entity = countries.resolve(logged.call)) {
            a.dxccPrefix = entity->prefix;
            a.continent = entity->continent;
            qso.cqZone = entity->cqZone;
        } else {
            ++unresolvedCalls;
        }
        qsos.push_back(std::move(qso));
    }
    return qsos;
}

LogPeriod periodOf(const std::vector<hostlog::LoggedQso>& log) {
    const auto [first, last] = std::minmax_element(log.begin(), log.end(), [](const auto& a, const auto& b) {
        return hostlog::toOleDate(a) < hostlog::toOleDate(b);
    });
    return {&*first, &*last};
}

host::PassArguments passFor(const LogPeriod& period, const Contestant& own, bool cabrilloExport) {
    host::PassArguments pass;
    pass.cabrilloExportRequest = cabrilloExport ? 1 : 0;
    pass.contestantCall = own.call;
    pass.ownDxccPrefix = own.prefix;
    pass.ownContinent = own.continent;
    pass.periodStart = oleDateOf(*period.first);
    pass.periodEnd = oleDateOf(*period.last);
    return pass;
}

ReplayCounts playThrough(host::PluginLibrary& plugin, const host::PassArguments& pass,
                         const std::vector<HostQso>& qsos, std::size_t refreshEvery, const Progress& progress) {
    ReplayCounts counts;
    plugin.resetStats(pass);
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const host::QsoArguments& a = qsos[i].arguments;
        const auto answer = plugin.checkCall({a.call, a.mode, a.dxccPrefix, qsos[i].cqZone, a.band, a.band});
        ++counts.callCheckAnswers[answer.code];
        if (!plugin.isValidExchange(a.exchangeReceived, a.dxccPrefix)) ++counts.exchangesRefused;
        ++(plugin.addData(a) ? counts.stored : counts.rejected);
        if (refreshEvery != 0 && (i + 1) % refreshEvery == 0) {
            plugin.getResult();
            ++counts.summaries;
        }
        if (progress) progress(i + 1, qsos.size());
    }
    counts.summary = plugin.getResult();
    ++counts.summaries;
    return counts;
}
