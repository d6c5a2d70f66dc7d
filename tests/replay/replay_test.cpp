#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scratch_folder.h"
#include "tools/hostlog/file_text.h"
#include "tools/hostlog/log_reader.h"
#include "tools/replay/replay.h"
#include "tools/replay/replay_report.h"

namespace {

// Five QSOs of DL1ABC: a dupe, a wrong band, a missing exchange and one unknown call among them.
const char* const kLog =
    "<EOH>\n"
    "<CALL:5>PY1AA<QSO_DATE:8>20180512<TIME_ON:4>1200<FREQ:6>14.025<MODE:2>CW<SRX_STRING:2>11<STX_STRING:2>14\n"
    "<STATION_CALLSIGN:6>DL1ABC<EOR>\n"
    "<CALL:4>K1AA<QSO_DATE:8>20180512<TIME_ON:4>1230<FREQ:6>14.030<MODE:2>CW<SRX_STRING:2>05<STX_STRING:2>14<EOR>\n"
    "<CALL:5>PY1AA<QSO_DATE:8>20180512<TIME_ON:4>1240<FREQ:6>14.031<MODE:2>CW<SRX_STRING:2>11<STX_STRING:2>14<EOR>\n"
    "<CALL:5>DL2XX<QSO_DATE:8>20180512<TIME_ON:4>1245<FREQ:6>10.110<MODE:2>CW<SRX_STRING:2>14<STX_STRING:2>14<EOR>\n"
    "<CALL:5>VE3XX<QSO_DATE:8>20180512<TIME_ON:4>1250<FREQ:5>7.025<MODE:2>CW<STX_STRING:2>14<EOR>\n"
    "<CALL:5>Q9QQQ<QSO_DATE:8>20180512<TIME_ON:4>1255<FREQ:6>14.040<MODE:2>CW<SRX_STRING:2>40<STX_STRING:2>14<EOR>\n";

class Replay : public ::testing::Test {
protected:
    ScratchFolder folder;
    hostlog::CountryFile countries =
        hostlog::CountryFile::parse(hostlog::readFileText(GACW_SMALL_COUNTRY_FILE).value_or(""));
    host::PluginLibrary plugin{GACW_PLUGIN_PATH};

    Replay() { std::filesystem::create_directory("Plugins"); }
};

TEST_F(Replay, PlaysTheLogThroughThePluginAsTheHostDoes) {
    const auto log = hostlog::readLog("test.adi", kLog);
    ASSERT_TRUE(log.problems.empty());
    std::size_t unresolved = 0;
    const auto qsos = prepareQsos(log.qsos, countries, "DL1ABC", unresolved);
    EXPECT_EQ(unresolved, 1u);
    EXPECT_EQ(qsos[0].arguments.dxccPrefix, "PY");
    EXPECT_EQ(qsos[0].arguments.continent, "SA");
    EXPECT_EQ(qsos[0].cqZone, 11);
    EXPECT_EQ(qsos[1].arguments.ownCall, "DL1ABC");

    const LogPeriod period = periodOf(log.qsos);
    const auto counts = playThrough(plugin, passFor(period, {"DL1ABC", "DL", "EU"}, false), qsos, 2, {});

    EXPECT_EQ(counts.stored, 4u);
    EXPECT_EQ(counts.rejected, 2u);
    EXPECT_EQ(counts.summaries, 4u);
    EXPECT_EQ(counts.callCheckAnswers, (std::map<int, std::size_t>{{0, 1}, {1, 1}, {2, 3}, {4, 1}}));
    EXPECT_EQ(counts.exchangesRefused, 1u) << "the missing exchange";
    EXPECT_NE(counts.summary.find("20m\t 3\t 11\t 3\t 3\r\n"), std::string::npos) << counts.summary;

    EXPECT_EQ(badQsoFileNameFor(*period.last), "BadQSO_RedodIVER_12_05_2018.txt");
    EXPECT_EQ(countBadQsoReasons(fileText("BadQSO_RedodIVER_12_05_2018.txt")),
              (std::map<std::string, std::size_t>{{"DUPE", 1}, {"NO NUMBER", 1}, {"WRONG BAND", 1}}));
}

TEST(BadQsoReasons, CountsEachReasonAndSkipsTheHeader) {
    EXPECT_EQ(countBadQsoReasons("GACW WWSA CW DX Contest UBN file \r\n"
                                 "QSO:  14025  CW  2018-05-12 1530  DL1ABC  599  14  PY1AA  599  11   DUPE !!!\r\n"
                                 "QSO:  10110  CW  2018-05-12 1531  DL1ABC  599  14  K1AA  599  05   WRONG BAND !!!\r\n"
                                 "QSO:  14025  CW  2018-05-12 1532  DL1ABC  599  14  K2AA  599  05   DUPE !!!"),
              (std::map<std::string, std::size_t>{{"DUPE", 2}, {"WRONG BAND", 1}}));
}

}  // namespace
