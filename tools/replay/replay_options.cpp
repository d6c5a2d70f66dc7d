#include "tools/replay/replay_options.h"

#include <functional>
#include <map>
#include <stdexcept>

const char* const kReplayUsage =
    "usage: gacw-replay [options] LOG\n"
    "Replays an ADIF or Cabrillo log through the GACW WWSA CW plug-in as the host would,\n"
    "then prints the plug-in's summary and a report of the replay.\n"
    "\n"
    "  --plugin PATH        plug-in library (default: the one next to this tool)\n"
    "  --cty PATH           country file for DXCC prefixes, continents and zones\n"
    "                       (default: /usr/share/hamradio-files/cty.dat)\n"
    "  --folder DIR         folder the plug-in writes its files into (default: replay-out)\n"
    "  --call CALL          own call (default: the log's own call)\n"
    "  --prefix PREFIX      own DXCC prefix (default: from the own call)\n"
    "  --continent CODE     own continent (default: from the own call)\n"
    "  --html FILE          also write the HTML summary to FILE\n"
    "  --cabrillo           export a Cabrillo file of the log into the folder\n"
    "  --refresh-every N    ask for the summary after every N QSOs, as a host refreshing its view\n"
    "  --help               this text\n";

namespace {

std::size_t countOf(const std::string& text) {
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used);
    if (used != text.size()) throw std::invalid_argument("not a number: " + text);
    return value;
}

}  // namespace

ReplayOptions parseReplayOptions(const std::vector<std::string>& arguments) {
    ReplayOptions options;
    const std::map<std::string, std::function<void(const std::string&)>> withValue = {
        {"--plugin", [&](const std::string& v) { options.pluginPath = v; }},
        {"--cty", [&](const std::string& v) { options.countryFile = v; }},
        {"--folder", [&](const std::string& v) { options.workFolder = v; }},
        {"--call", [&](const std::string& v) { options.ownCall = v; }},
        {"--prefix", [&](const std::string& v) { options.ownPrefix = v; }},
        {"--continent", [&](const std::string& v) { options.ownContinent = v; }},
        {"--html", [&](const std::string& v) { options.htmlPath = v; }},
        {"--refresh-every", [&](const std::string& v) { options.refreshEvery = countOf(v); }},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.showHelp = true;
        } else if (argument == "--cabrillo") {
            options.cabrilloExport = true;
        } else if (const auto option = withValue.find(argument); option != withValue.end()) {
            if (i + 1 == arguments.size()) throw std::invalid_argument(argument + " needs a value");
            option->second(arguments[++i]);
        } else if (argument.rfind("--", 0) == 0) {
            throw std::invalid_argument("unknown option " + argument);
        } else if (options.logPath.empty()) {
            options.logPath = argument;
        } else {
            throw std::invalid_argument("only one log at a time: " + argument);
        }
    }
    if (options.logPath.empty() && !options.showHelp) throw std::invalid_argument("no log given");
    return options;
}
