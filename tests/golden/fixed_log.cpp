#include "tests/golden/fixed_log.h"

#include <gtest/gtest.h>

#include "tests/support/host_qso.h"
#include "tests/support/scratch_folder.h"

namespace {

struct LoggedQso {
    const char* call;
    const char* prefix;
    const char* continent;
    const char* zone;
    int minuteOfDay;
    const char* band;
    unsigned int frequencyHz;
    const char* mode = "CW";
};

// DL1ABC's log: every band, a dupe, a second-band contact, and one QSO for each rejection.
constexpr LoggedQso kLog[] = {
    {"PY1AA", "PY", "SA", "11", 720, "20m", 14025000},
    {"K1AA", "K", "NA", "05", 731, "20m", 14031500},
    {"PY1AA", "PY", "SA", "11", 742, "20m", 14025000},  // dupe
    {"JA1AA", "JA", "AS", "25", 750, "30m", 10115000},  // not a contest band
    {"DL1AA", "DL", "EU", "14", 761, "40m", 7025999},
    {"K1AA", "K", "NA", "05", 775, "40m", 7011000},
    {"LU1AA", "LU", "SA", "13", 790, "80m", 3525000},
    {"VK2AA", "VK", "OC", "30", 812, "15m", 21030000},
    {"UA9AA", "UA9", "AS", "17", 845, "10m", 28025000},
    {"W1AW", "K", "NA", "05", 1430, "160m", 1825000},
    {"ZS1AA", "ZS", "AF", "38", 1435, "20m", 14200000, "SSB"},  // not the contest mode
    {"EA8AA", "EA8", "AF", "", 1440, "40m", 7030000},           // no number received
    {"OH1AA", "OH", "EU", "15", 1500, "20m", 14040000},         // removed again below
    {"PY2BB", "PY", "SA", "11", 1560, "20m", 14033000},
};
constexpr std::size_t kRemoved = 12;

host::QsoArguments argumentsOf(const LoggedQso& logged) {
    host::QsoArguments qso = hostQso(logged.call, logged.prefix, logged.continent, logged.zone,
                                     logged.minuteOfDay, logged.band, logged.frequencyHz);
    qso.mode = logged.mode;
    return qso;
}

}  // namespace

ReplayOutput replayFixedLog(host::PluginLibrary& plugin) {
    plugin.resetStats(hostPass());
    for (const auto& logged : kLog) plugin.addData(argumentsOf(logged));
    plugin.removeData(argumentsOf(kLog[kRemoved]));

    ReplayOutput output;
    output.emplace_back("summary.txt", plugin.getResult());
    plugin.setVersion();
    output.emplace_back("summary.html", plugin.getResult());
    output.emplace_back("bad_qsos.txt", fileText("BadQSO_RedodIVER_13_05_2018.txt"));
    output.emplace_back("settings.ini", fileText("Plugins/GACW-WWSA-CW.ini"));
    return output;
}

void expectGoldenFiles(const ReplayOutput& output) {
    for (const auto& [name, text] : output) {
        EXPECT_EQ(text, fileText(std::string(GACW_GOLDEN_FOLDER) + "/" + name)) << "golden file " << name;
    }
}
