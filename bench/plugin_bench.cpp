#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_plugin.h"
#include "bench/synthetic_log.h"

// The plug-in's costs as the host sees them: through the loaded library, in a folder of its
// own where the bad-QSO and settings files land.

namespace {

host::PluginLibrary& plugin() { return pluginInScratchFolder("gacw-plugin-bench"); }

void loadLog(const std::vector<host::QsoArguments>& log) {
    plugin().resetStats(syntheticPass());
    for (const auto& qso : log) plugin().addData(qso);
}

// A whole scoring pass; the cost per QSO must not grow with the log.
void FullPass(benchmark::State& state) {
    const auto log = syntheticLog(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        loadLog(log);
        benchmark::DoNotOptimize(plugin().getResult());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(FullPass)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// What the host calls on every keystroke in the callsign entry.
void CheckCallAt50k(benchmark::State& state) {
    loadLog(syntheticLog(50000));
    const host::CallCheckArguments query{"PY7X12345", "CW", "PY", 11, "20m", ""};
    for (auto _ : state) benchmark::DoNotOptimize(plugin().checkCall(query));
}
BENCHMARK(CheckCallAt50k)->Unit(benchmark::kMicrosecond);

// What the host calls on every refresh of its statistics view.
void SummaryAt50k(benchmark::State& state) {
    loadLog(syntheticLog(50000));
    for (auto _ : state) benchmark::DoNotOptimize(plugin().getResult());
}
BENCHMARK(SummaryAt50k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
