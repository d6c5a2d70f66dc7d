#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "bench/bench_plugin.h"
#include "bench/synthetic_log.h"
#include "tools/hostlog/file_text.h"
#include "tools/hostlog/log_reader.h"
#include "tools/replay/replay.h"

// Replaying a 20,000-QSO ADIF log, split into what the host tool spends on reading the log,
// on resolving calls through the country file and on the plug-in's own calls.

namespace {

constexpr std::size_t kQsos = 20000;
constexpr const char* kCountryFile = "/usr/share/hamradio-files/cty.dat";

void appendField(std::string& adif, const char* name, const std::string& value) {
    adif += "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string adifOf(const std::vector<host::QsoArguments>& log) {
    std::string adif = "Synthetic contest log\n<ADIF_VER:5>3.1.4 <EOH>\n";
    for (const auto& qso : log) {
        const auto seconds = static_cast<long long>((qso.time.days - 25569.0) * 86400.0 + 0.5);
        const std::time_t when = static_cast<std::time_t>(seconds);
        std::tm utc{};
        gmtime_r(&when, &utc);
        char date[16], time[16], mhz[32];
        std::strftime(date, sizeof date, "%Y%m%d", &utc);
        std::strftime(time, sizeof time, "%H%M%S", &utc);
        std::snprintf(mhz, sizeof mhz, "%.6f", qso.frequencyHz / 1e6);
        appendField(adif, "CALL", qso.call);
        appendField(adif, "QSO_DATE", date);
        appendField(adif, "TIME_ON", time);
        appendField(adif, "FREQ", mhz);
        appendField(adif, "BAND", qso.band);
        appendField(adif, "MODE", qso.mode);
        appendField(adif, "RST_SENT", qso.rstSent);
        appendField(adif, "RST_RCVD", qso.rstReceived);
        appendField(adif, "STX_STRING", qso.exchangeSent);
        appendField(adif, "SRX_STRING", qso.exchangeReceived);
        appendField(adif, "STATION_CALLSIGN", qso.ownCall);
        adif += "<EOR>\n";
    }
    return adif;
}

struct ReplayInputs {
    std::string adif = adifOf(syntheticLog(kQsos));
    hostlog::CountryFile countries = hostlog::CountryFile::parse(hostlog::readFileText(kCountryFile).value_or(""));
    hostlog::LogReadResult log = hostlog::readLog("bench.adi", adif);
};

const ReplayInputs& inputs() {
    static const ReplayInputs loaded;
    return loaded;
}

host::PluginLibrary& plugin() { return pluginInScratchFolder("gacw-replay-bench"); }

void ParseAdif(benchmark::State& state) {
    inputs();
    for (auto _ : state) benchmark::DoNotOptimize(hostlog::readLog("bench.adi", inputs().adif));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kQsos));
}
BENCHMARK(ParseAdif)->Unit(benchmark::kMillisecond);

void ResolveCalls(benchmark::State& state) {
    if (inputs().countries.entityCount() == 0) state.SkipWithError("no country file");
    std::size_t unresolved = 0;
    for (auto _ : state) benchmark::DoNotOptimize(prepareQsos(inputs().log.qsos, inputs().countries, "DL1ABC", unresolved));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kQsos));
}
BENCHMARK(ResolveCalls)->Unit(benchmark::kMillisecond);

void PluginCalls(benchmark::State& state) {
    std::size_t unresolved = 0;
    const auto qsos = prepareQsos(inputs().log.qsos, inputs().countries, "DL1ABC", unresolved);
    const auto pass = passFor(periodOf(inputs().log.qsos), {"DL1ABC", "DL", "EU"}, false);
    for (auto _ : state) benchmark::DoNotOptimize(playThrough(plugin(), pass, qsos, 0, {}));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kQsos));
}
BENCHMARK(PluginCalls)->Unit(benchmark::kMillisecond);

void LoadCountryFile(benchmark::State& state) {
    const auto text = hostlog::readFileText(kCountryFile).value_or("");
    for (auto _ : state) benchmark::DoNotOptimize(hostlog::CountryFile::parse(text));
}
BENCHMARK(LoadCountryFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
