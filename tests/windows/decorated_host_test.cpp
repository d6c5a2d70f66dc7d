#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "export_names.h"
#include "tests/golden/fixed_log.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string decoratedName(const std::string& plainName) {
    for (const auto& name : kExportNames) {
        if (plainName == name.plain) return name.decorated;
    }
    return {};
}

// A host that finds the exports by their decorated names, in a host folder of its own.
class DecoratedHost : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::unique_ptr<host::PluginLibrary> plugin;

    DecoratedHost() {
        std::filesystem::create_directory("Plugins");
        plugin = std::make_unique<host::PluginLibrary>(GACW_PLUGIN_PATH, decoratedName);
    }
};

TEST_F(DecoratedHost, FixedLogGivesTheGoldenFiles) { expectGoldenFiles(replayFixedLog(*plugin)); }

TEST_F(DecoratedHost, SmallExportsAnswer) {
    EXPECT_EQ(plugin->getNumberOfSets(), 1);
    EXPECT_EQ(plugin->getExchangeCount(), 1);
    EXPECT_STREQ(plugin->getSetName(0), "GACW WWSA CW (C)");
    EXPECT_EQ(plugin->isValidExchange("14", "DL"), 1);
    EXPECT_EQ(plugin->isValidExchange("14", "DL", 1), 0);
    plugin->setupSet();  // its message box returns at once without a window system
}

// The host's settings file in its folder tells its version; version 2.19 wants "valid contact"
// rather than "not applicable" for a band outside the contest.
TEST_F(DecoratedHost, HostVersionDecidesTheAnswerOffTheContestBands) {
    struct Case {
        std::optional<std::string> settings;  // none: no settings file
        int code;
    };
    const Case cases[] = {
        {"[Main]\r\nDorv=2.19\r\n", 1},
        {std::nullopt, 4},
        {"[Main]\r\nDorv=2.16\r\n", 4},
    };
    for (const auto& c : cases) {
        std::filesystem::remove("Dorv2.ini");
        if (c.settings) writeFile("Dorv2.ini", *c.settings);
        plugin->resetStats({"", 0, "DL1ABC", {43232.5, 0}, {43233.5, 0}, "DL", "EU"});
        EXPECT_EQ(plugin->checkCall({"W1AW", "CW", "K", 5, "30m", ""}).code, c.code)
            << c.settings.value_or("no settings file");
    }
}

}  // namespace
