#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tools/hostlog/file_text.h"
#include "tools/hostlog/log_reader.h"
#include "tools/replay/progress_bar.h"
#include "tools/replay/replay_options.h"
#include "tools/replay/replay_report.h"

namespace fs = std::filesystem;

namespace {

// The host keeps its plug-ins in a "Plugins" folder; the plug-in's settings live there.
void prepareWorkFolder(const std::string& folder) {
    fs::create_directories(fs::path(folder) / "Plugins");
    fs::current_path(folder);
}

std::string defaultPluginPath(const char* toolPath) {
#if defined(_WIN32)
    const char* name = "GACW-WWSA-CW.dll";
#else
    const char* name = "GACW-WWSA-CW.so";
#endif
    return (fs::absolute(toolPath).parent_path() / name).string();
}

Contestant contestantFor(const ReplayOptions& options, const std::vector<hostlog::LoggedQso>& log,
                         const hostlog::CountryFile& countries) {
    Contestant own{options.ownCall, options.ownPrefix, options.ownContinent};
    if (own.call.empty() && !log.empty()) own.call = log.front().myCall;
    if (own.call.empty()) throw std::runtime_error("the log does not name the own call; give it with --call");
    if (const auto entity = countries.resolve(own.call)) {
        if (own.prefix.empty()) own.prefix = entity->prefix;
        if (own.continent.empty()) own.continent = entity->continent;
    }
    return own;
}

int run(const ReplayOptions& options, const char* toolPath) {
    const auto started = std::chrono::steady_clock::now();
    const std::string pluginPath = fs::absolute(options.pluginPath.empty() ? defaultPluginPath(toolPath)
                                                                           : options.pluginPath).string();
    const std::string htmlPath = options.htmlPath.empty() ? std::string() : fs::absolute(options.htmlPath).string();

    const auto countryText = hostlog::readFileText(options.countryFile);
    if (!countryText) throw std::runtime_error("cannot read the country file " + options.countryFile);
    const auto countries = hostlog::CountryFile::parse(*countryText);

    const auto log = hostlog::readLogFile(options.logPath);
    for (const auto& problem : log.problems) std::cerr << hostlog::describe(problem) << '\n';
    if (log.qsos.empty()) throw std::runtime_error("no QSOs to replay in " + options.logPath);

    ReplayReport report;
    report.qsosRead = log.qsos.size();
    report.logProblems = log.problems.size();
    const Contestant own = contestantFor(options, log.qsos, countries);
    const auto qsos = prepareQsos(log.qsos, countries, own.call, report.unresolvedCalls);
    const LogPeriod period = periodOf(log.qsos);

    prepareWorkFolder(options.workFolder);
    host::PluginLibrary plugin(pluginPath);
    if (!htmlPath.empty()) plugin.setVersion();
    ProgressBar progress(std::cerr, qsos.size());
    report.counts = playThrough(plugin, passFor(period, own, options.cabrilloExport), qsos, options.refreshEvery,
                                [&progress](std::size_t done, std::size_t) { progress.show(done); });
    progress.finish();

    report.badQsoFile = badQsoFileNameFor(*period.last);
    report.badQsoReasons = countBadQsoReasons(hostlog::readFileText(report.badQsoFile).value_or(""));
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    if (htmlPath.empty()) {
        std::cout << report.counts.summary;
    } else {
        std::ofstream(htmlPath, std::ios::binary) << report.counts.summary;
        std::cout << "HTML summary written to " << htmlPath;
    }
    printReport(std::cout, report);
    std::cout << "  files in:               " << fs::current_path().string() << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const ReplayOptions options = parseReplayOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.showHelp) {
            std::cout << kReplayUsage;
            return 0;
        }
        return run(options, argv[0]);
    } catch (const std::invalid_argument& error) {
        std::cerr << "gacw-replay: " << error.what() << "\n\n" << kReplayUsage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "gacw-replay: " << error.what() << '\n';
        return 1;
    }
}
