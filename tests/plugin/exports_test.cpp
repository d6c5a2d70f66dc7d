#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/host_qso.h"
#include "tests/support/scratch_folder.h"
#include "tools/host/plugin_library.h"

namespace {

const std::string kBadQsoFile = "BadQSO_RedodIVER_13_05_2018.txt";
const std::string kHeaderLine = "GACW WWSA CW DX Contest UBN file \r\n";

// The library loaded afresh for each test, in a host folder of its own.
class Exports : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::unique_ptr<host::PluginLibrary> plugin;

    Exports() {
        std::filesystem::create_directory("Plugins");
        plugin = std::make_unique<host::PluginLibrary>(GACW_PLUGIN_PATH);
    }

    // A small log with a dupe, a rejected QSO and a second band, replayed as the host does.
    std::string replay() {
        plugin->resetStats(hostPass());
        for (const auto& q : {hostQso("PY1AA", "PY", "SA", "11", 720), hostQso("K1AA", "K", "NA", "05", 750),
                              hostQso("PY1AA", "PY", "SA", "11", 760), hostQso("JA1AA", "JA", "AS", "25", 765, "30m"),
                              hostQso("DL1AA", "DL", "EU", "14", 770, "40m", 7025999), hostQso("PY2BB", "PY", "SA", "11", 775)}) {
            plugin->addData(q);
        }
        return plugin->getResult();
    }
};

TEST_F(Exports, SmallExportsAnswerConstants) {
    EXPECT_EQ(plugin->getNumberOfSets(), 1);
    EXPECT_EQ(plugin->getExchangeCount(), 1);
    const char* name = plugin->getSetName(0);
    EXPECT_STREQ(name, "GACW WWSA CW (C)");
    EXPECT_EQ(plugin->getSetName(7), name);
}

TEST_F(Exports, ReplayGivesTheSummaryAndTheBadQsoFile) {
    int status = 0;
    plugin->resetStats(hostPass());
    EXPECT_EQ(plugin->addData(hostQso("PY1AA", "PY", "SA", "11", 720)), 1);
    EXPECT_EQ(plugin->addData(hostQso("K1AA", "K", "NA", "05", 750)), 1);
    EXPECT_EQ(plugin->addData(hostQso("PY2BB", "PY", "SA", "11", 775)), 1);
    EXPECT_EQ(plugin->getResult(&status),
              "  GACW WWSA CW DX Contest 12.05-13.05.2018 \r\n\t    Contestant: DL1ABC\r\n"
              "Band\tQSOs\tPoints\tDXCC\tZone\r\n20m\t 3\t 13\t 2\t 2\r\n"
              "Total\t 3\t 13\t 2\t 2\r\nDupe\t 0\r\nBad QSO\t 0\r\n"
              "\r\nHourly (10min) QSO rate:     3 (6) QSOs/hour\r\nHourly (10min) pts rate:    13 (30) points/hour"
              "\r\n\r\nLast QSO: 5 points\r\nScore: 13*(2+2) = 52\r\n\r\n"
              "GACW WWSA CW DX Contest statistics plug-in");
    EXPECT_EQ(status, -1);
    EXPECT_EQ(fileText(kBadQsoFile), kHeaderLine);
}

TEST_F(Exports, RejectsAndDupesGoToTheBadQsoFile) {
    const std::string summary = replay();
    EXPECT_NE(summary.find("40m\t 1\t 0\t 1\t 1\r\n20m\t 3\t 13\t 2\t 2\r\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Dupe\t 1\r\nBad QSO\t 1\r\n"), std::string::npos);
    EXPECT_EQ(fileText(kBadQsoFile),
              kHeaderLine + "QSO:  14025  CW  2018-05-12 1240  DL1ABC  599  14  PY1AA  599  11   DUPE !!!\r\n" +
                  "QSO:  14025  CW  2018-05-12 1245  DL1ABC  599  14  JA1AA  599  25   WRONG BAND !!!\r\n");
}

TEST_F(Exports, ArgumentsThePluginDoesNotReadChangeNothing) {
    const std::string plainSummary = replay();
    const std::string plainBadQsos = fileText(kBadQsoFile);
    plugin->setFiller({"20m", 12345, 3.25, {kMay12 + 7, 0}});
    EXPECT_EQ(replay(), plainSummary);
    EXPECT_EQ(fileText(kBadQsoFile), plainBadQsos);
}

TEST_F(Exports, RemovalTakesTheQsoAndItsBadLinesOut) {
    replay();
    const auto dupe = hostQso("PY1AA", "PY", "SA", "11", 760);
    EXPECT_EQ(plugin->removeData(dupe), 1);
    EXPECT_EQ(fileText(kBadQsoFile),
              kHeaderLine + "QSO:  14025  CW  2018-05-12 1245  DL1ABC  599  14  JA1AA  599  25   WRONG BAND !!!\r\n");
    EXPECT_NE(plugin->getResult().find("Dupe\t 0\r\nBad QSO\t 1\r\n"), std::string::npos);
}

TEST_F(Exports, CallCheckAnswersWithTheExpectedExchange) {
    replay();
    struct Case {
        const char* call;
        const char* prefix;
        int zone;
        const char* band;
        int code;
        const char* expected;  // null: buffer untouched
    };
    const Case cases[] = {
        {"PY1AA", "PY", 11, "20m", 0, nullptr}, {"PY1AA", "PY", 11, "40m", 2, "11"},
        {"PY3CC", "PY", 11, "20m", 1, "11"},    {"W1AW", "K", 5, "40m", 2, "5?"},
        {"W1AW", "K", 5, "30m", 4, nullptr},    {"W1AW", "", 5, "40m", 1, nullptr},
    };
    for (const auto& c : cases) {
        const auto reply = plugin->checkCall({c.call, "CW", c.prefix, c.zone, c.band, ""});
        EXPECT_EQ(reply.code, c.code) << c.call << " on " << c.band;
        EXPECT_EQ(reply.bufferWritten, c.expected != nullptr) << c.call << " on " << c.band;
        if (c.expected) {
            EXPECT_EQ(reply.expectedExchange, c.expected);
        }
    }
}

TEST_F(Exports, ExchangeCheck) {
    EXPECT_EQ(plugin->isValidExchange("14", "DL"), 1);
    EXPECT_EQ(plugin->isValidExchange("5", "K"), 1);
    EXPECT_EQ(plugin->isValidExchange("5", "DL"), 0);
    EXPECT_EQ(plugin->isValidExchange("14", "DL", 1), 0);
}

TEST_F(Exports, HostVersionFromTheFolderTheHostNames) {
    std::filesystem::create_directory("host");
    writeFile("host/Dorv2.ini", "Dorv=2.19\r\n");
    auto passInHost = hostPass();
    passInHost.hostFolderPrefix = "host/";
    plugin->resetStats(passInHost);
    EXPECT_EQ(plugin->checkCall({"W1AW", "CW", "K", 5, "30m", ""}).code, 1) << "2.19 answers 1 off the contest";
    plugin->resetStats(hostPass());
    EXPECT_EQ(plugin->checkCall({"W1AW", "CW", "K", 5, "30m", ""}).code, 4);
}

TEST_F(Exports, SettingsFileKeepsStartAndClaimed) {
    replay();
    const std::string settings = fileText("Plugins/GACW-WWSA-CW.ini");
    EXPECT_NE(settings.find("[Settings]\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("setup_style=0\r\n"), std::string::npos);
    EXPECT_NE(settings.find("Start=1\r\n"), std::string::npos);
    EXPECT_NE(settings.find("Claimed=78\r\n"), std::string::npos);
}

TEST_F(Exports, SetVersionSwitchesEveryLaterSummaryToHtml) {
    replay();
    EXPECT_EQ(plugin->setVersion(), 0u);
    EXPECT_EQ(plugin->getResult().rfind("<html>", 0), 0u);
    EXPECT_EQ(plugin->setVersion(), 0u);
    EXPECT_EQ(replay().rfind("<html>", 0), 0u);
}

TEST_F(Exports, ReloadingTheLibraryStartsAfresh) {
    plugin->setVersion();
    plugin.reset();
    plugin = std::make_unique<host::PluginLibrary>(GACW_PLUGIN_PATH);
    EXPECT_EQ(replay().rfind("  GACW WWSA CW DX Contest", 0), 0u);
}

}  // namespace
