#include "tests/support/plugin_fixture.h"

namespace {

using ScoringPass = PluginFixture;

TEST_F(ScoringPass, StoresTheOperatorAndThePeriod) {
    plugin.resetStats(passOf("DL", "EU"));
    const ContestState& state = plugin.state();
    EXPECT_EQ(state.own.call, "DL1ABC");
    EXPECT_EQ(state.own.dxccPrefix, "DL");
    EXPECT_EQ(state.own.continent, "EU");
    EXPECT_EQ(state.period.startText, "12.05");
    EXPECT_EQ(state.period.yearText, "2018");
    EXPECT_EQ(state.period.endText, "13.05.2018");
    EXPECT_EQ(state.hostVersion, "Dorv");
    EXPECT_EQ(settings.read("setup_style"), "0");
}

TEST_F(ScoringPass, CreatesTheBadQsoFileWithItsHeader) {
    writeFile("BadQSO_RedodIVER_13_05_2018.txt", "old\r\n");
    plugin.resetStats(passOf());
    EXPECT_EQ(fileText("BadQSO_RedodIVER_13_05_2018.txt"), "GACW WWSA CW DX Contest UBN file \r\n");
}

TEST_F(ScoringPass, LanguageAndSouthAmericaFlagsFollowEachPass) {
    struct Case {
        const char* prefix;
        const char* continent;
        bool russian;
        bool southAmerica;
    };
    const Case cases[] = {
        {"UA9", "AS", true, false}, {"DL", "EU", false, false}, {"UA2/f", "EU", true, false},
        {"UA1", "EU", false, false}, {"ua", "EU", false, false}, {"EU", "EU", true, false},
        {"LU", "SA", false, true},   {"PY", "sa", false, false}, {"UR", "EU", true, false},
    };
    for (const auto& c : cases) {
        plugin.resetStats(passOf(c.prefix, c.continent));
        EXPECT_EQ(plugin.state().own.russianCaptions, c.russian) << c.prefix;
        EXPECT_EQ(plugin.state().own.continentIsSouthAmerica, c.southAmerica) << c.continent;
    }
}

TEST_F(ScoringPass, EmptiesTheLogAndResetsTheCallDetails) {
    plugin.resetStats(passOf());
    plugin.addData({qsoWith("PY1AA", "PY", "SA", 11), "DL1ABC"});
    plugin.state().callDetails.rows[3][1] = "CW";
    plugin.state().worked.entities[3] = {"PY"};
    plugin.resetStats(passOf());
    EXPECT_TRUE(plugin.state().log.empty());
    EXPECT_TRUE(plugin.state().loggedBands.empty());
    EXPECT_EQ(plugin.state().callDetails.rows[3], (CallDetailsRow{"20m", "-", "-", "-", "-"}));
    EXPECT_EQ(plugin.state().callDetails.rows[0][0], "160m");
    EXPECT_EQ(plugin.state().worked.entities[3], (std::vector<std::string>{"PY"})) << "rebuilt by the next summary";
}

TEST_F(ScoringPass, DisplayStartsOnEveryOtherPass) {
    plugin.resetStats(passOf());
    EXPECT_EQ(display.starts, 1);
    EXPECT_EQ(settings.read("Start"), "1");

    display.running = false;  // the operator closed it
    plugin.resetStats(passOf());
    EXPECT_EQ(display.starts, 1);
    EXPECT_EQ(settings.read("Start"), "0");

    plugin.resetStats(passOf());
    EXPECT_EQ(display.starts, 2);
    EXPECT_EQ(settings.read("Start"), "1");
}

TEST_F(ScoringPass, ARunningDisplayIsLeftAlone) {
    display.running = true;
    plugin.resetStats(passOf());
    EXPECT_EQ(display.starts, 0);
    EXPECT_EQ(display.shutdowns, 0);
    EXPECT_EQ(settings.read("Start"), "");
}

TEST_F(ScoringPass, HostVersionGatesTheDisplay) {
    struct Case {
        const char* hostSettings;
        int starts;
    };
    const Case cases[] = {{"Dorv=2.16\r\n", 0}, {"Dorv=2.14R\r\n", 0}, {"Dorv=2.19\r\n", 1}, {" Dorv=2.16\r\n", 1}};
    for (const auto& c : cases) {
        writeFile("Dorv2.ini", c.hostSettings);
        settings.write("Start", "0");
        display.starts = 0;
        display.running = false;
        plugin.resetStats(passOf());
        EXPECT_EQ(display.starts, c.starts) << c.hostSettings;
        EXPECT_EQ(settings.read("Start"), "1") << c.hostSettings;
    }
}

TEST_F(ScoringPass, HostVersionSurvivesAFileWithoutVersionLine) {
    writeFile("Dorv2.ini", "Dorv=2.19\r\n");
    plugin.resetStats(passOf());
    writeFile("Dorv2.ini", "[Main]\r\n");
    plugin.resetStats(passOf());
    EXPECT_EQ(plugin.state().hostVersion, "2.19");
}

TEST_F(ScoringPass, AnExportPassNeverStartsTheDisplay) {
    plugin.resetStats(passOf("DL", "EU", 1));
    EXPECT_EQ(display.starts, 0);
    EXPECT_EQ(settings.read("Start"), "0");
    EXPECT_TRUE(plugin.state().cabrilloExport);
}

}  // namespace
