#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/replay/replay_options.h"

namespace {

TEST(ReplayOptions, ReadsEveryOption) {
    const auto options = parseReplayOptions({"--plugin", "p.so", "--cty", "c.dat", "--folder", "out", "--call",
                                             "DL1ABC", "--prefix", "DL", "--continent", "EU", "--html", "s.html",
                                             "--cabrillo", "--refresh-every", "50", "log.adi"});
    EXPECT_EQ(options.logPath, "log.adi");
    EXPECT_EQ(options.pluginPath, "p.so");
    EXPECT_EQ(options.countryFile, "c.dat");
    EXPECT_EQ(options.workFolder, "out");
    EXPECT_EQ(options.ownCall, "DL1ABC");
    EXPECT_EQ(options.ownPrefix, "DL");
    EXPECT_EQ(options.ownContinent, "EU");
    EXPECT_EQ(options.htmlPath, "s.html");
    EXPECT_TRUE(options.cabrilloExport);
    EXPECT_EQ(options.refreshEvery, 50u);
}

TEST(ReplayOptions, DefaultsNeedOnlyTheLog) {
    const auto options = parseReplayOptions({"log.adi"});
    EXPECT_EQ(options.countryFile, "/usr/share/hamradio-files/cty.dat");
    EXPECT_EQ(options.workFolder, "replay-out");
    EXPECT_FALSE(options.cabrilloExport);
    EXPECT_EQ(options.refreshEvery, 0u);
    EXPECT_TRUE(parseReplayOptions({"--help"}).showHelp);
}

TEST(ReplayOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--call"},
        {"--bogus", "log.adi"},
        {"a.adi", "b.adi"},
        {"--refresh-every", "ten", "log.adi"},
        {"--refresh-every", "10x", "log.adi"},
    };
    for (const auto& arguments : wrong) {
        EXPECT_THROW(parseReplayOptions(arguments), std::invalid_argument) << ::testing::PrintToString(arguments);
    }
}

}  // namespace
