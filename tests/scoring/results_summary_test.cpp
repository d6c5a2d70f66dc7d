#include <gtest/gtest.h>

#include "scoring/qso_intake.h"
#include "scoring/results_summary.h"
#include "scoring/text.h"
#include "tests/support/qso_builder.h"
#include "tests/support/scratch_folder.h"

namespace {

const std::string kCredit = "GACW WWSA CW DX Contest statistics plug-in";

class ResultsSummary : public ::testing::Test {
protected:
    ScratchFolder folder;
    ContestState state;

    void SetUp() override {
        state.own = {"DL1ABC", "DL", "EU", false, false};
        state.period.startText = "12.05";
        state.period.endText = "13.05.2018";
        state.badQsoFile.setName("bad.txt");
        state.badQsoFile.create();
    }

    void add(CInfo record, int hour, int minute, int second = 0) {
        record.time = contestTime(hour, minute, second);
        addQso(state, {record, "DL1ABC"});
    }

    const std::string& summarise() {
        buildSummary(state);
        return state.summary;
    }
};

TEST_F(ResultsSummary, TextSummaryOfOneBand) {
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
    add(qsoWith("K1AA", "K", "NA", 5), 12, 30);
    add(qsoWith("PY2BB", "PY", "SA", 11), 12, 55);

    EXPECT_EQ(summarise(),
              "  GACW WWSA CW DX Contest 12.05-13.05.2018 \r\n\t    Contestant: DL1ABC\r\n"
              "Band\tQSOs\tPoints\tDXCC\tZone\r\n"
              "20m\t 3\t 13\t 2\t 2\r\n"
              "Total\t 3\t 13\t 2\t 2\r\nDupe\t 0\r\nBad QSO\t 0\r\n"
              "\r\nHourly (10min) QSO rate:     3 (6) QSOs/hour\r\nHourly (10min) pts rate:    13 (30) points/hour"
              "\r\n\r\nLast QSO: 5 points"
              "\r\nScore: 13*(2+2) = 52\r\n\r\n" +
                  kCredit);
    EXPECT_EQ(state.claimedScore, 52);
    EXPECT_EQ(state.worked.entities[3], (std::vector<std::string>{"PY", "K"}));
    EXPECT_EQ(state.worked.zones[3], (std::vector<std::uint32_t>{11, 5}));
}

TEST_F(ResultsSummary, MultipliersCountPerBandAndOwnCountryScoresNothing) {
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
    add(qsoWith("K1AA", "K", "NA", 5), 12, 1);
    add(qsoWith("PY2BB", "PY", "SA", 11), 12, 2);
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 3);
    add(qsoWith("DL1AA", "DL", "EU", 14, "40m"), 12, 4);
    add(qsoWith("PY1AA", "PY", "SA", 11, "40m"), 12, 5);

    const std::string& summary = summarise();
    EXPECT_NE(summary.find("40m\t 2\t 5\t 2\t 2\r\n20m\t 3\t 13\t 2\t 2\r\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Total\t 5\t 18\t 4\t 4\r\nDupe\t 1\r\nBad QSO\t 0\r\n"), std::string::npos);
    EXPECT_NE(summary.find("Score: 18*(4+4) = 144\r\n"), std::string::npos);
    EXPECT_EQ(state.worked.entities[2], (std::vector<std::string>{"DL", "PY"}));
    EXPECT_EQ(state.worked.zones[2], (std::vector<std::uint32_t>{14, 11}));
}

TEST_F(ResultsSummary, RateWindowsEndAtSixtyAndTenMinutes) {
    struct Case {
        int hour, minute, second;
        int hourQsos, tenMinuteQsos;
    };
    // The reference QSO is at 14:00:00 on 40m; the measured one is on 40m too.
    const Case cases[] = {
        {13, 0, 0, 1, 1},    // 60 minutes: outside the hour
        {13, 0, 1, 2, 1},    // 59:59 — inside the hour
        {13, 50, 0, 2, 1},   // exactly 10 minutes: hour only
        {13, 50, 1, 2, 2},   // 9:59
        {14, 30, 0, 2, 2},   // later than the reference: a negative age counts in both
    };
    for (const auto& c : cases) {
        state.log.clear();
        state.loggedBands.clear();
        add(qsoWith("JA1AA", "JA", "AS", 25, "40m"), c.hour, c.minute, c.second);
        add(qsoWith("W1AA", "K", "NA", 5, "40m"), 14, 0);
        const std::string& summary = summarise();
        // Both QSOs are worth 3 points; the reference QSO is always in both windows.
        EXPECT_NE(summary.find(formatText("QSO rate: %5i (%i) QSOs/hour", c.hourQsos, 6 * c.tenMinuteQsos)),
                  std::string::npos)
            << c.hour << ':' << c.minute << ':' << c.second << '\n'
            << summary;
        EXPECT_NE(summary.find(formatText("pts rate: %5i (%i) points/hour", 3 * c.hourQsos, 18 * c.tenMinuteQsos)),
                  std::string::npos);
    }
}

TEST_F(ResultsSummary, OnlyTheLastQsosBandEntersTheRates) {
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
    add(qsoWith("K1AA", "K", "NA", 5, "40m"), 12, 5);
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 9);  // a dupe is the last record
    const std::string& summary = summarise();
    EXPECT_NE(summary.find("QSO rate:     1 (6) QSOs/hour"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Last QSO: 5 points"), std::string::npos);
}

TEST_F(ResultsSummary, ASingleQsoIsInBothWindows) {
    add(qsoWith("K1AA", "K", "NA", 5), 12, 0);
    EXPECT_NE(summarise().find("QSO rate:     1 (6) QSOs/hour"), std::string::npos);
}

TEST_F(ResultsSummary, EmptyLogHasNoTextRatesAndScoresZero) {
    EXPECT_EQ(summarise(), "  GACW WWSA CW DX Contest 12.05-13.05.2018 \r\n\t    Contestant: DL1ABC\r\n"
                           "Band\tQSOs\tPoints\tDXCC\tZone\r\n"
                           "Total\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n"
                           "\r\nScore: 0*(0+0) = 0\r\n\r\n" +
                               kCredit);
}

TEST_F(ResultsSummary, CabrilloExportLeavesTheTextRatesOut) {
    add(qsoWith("K1AA", "K", "NA", 5), 12, 0);
    state.cabrilloExport = true;
    const std::string& summary = summarise();
    EXPECT_EQ(summary.find("rate"), std::string::npos);
    EXPECT_NE(summary.find("Score: 3*(1+1) = 6"), std::string::npos);
}

TEST_F(ResultsSummary, BadQsosAreTheFileLinesLessHeaderAndDupes) {
    add(qsoWith("K1AA", "K", "NA", 5), 12, 0);
    add(qsoWith("K1AA", "K", "NA", 5), 12, 1);  // dupe line
    CInfo wrongBand = qsoWith("K2AA", "K", "NA", 5, "30m");
    add(wrongBand, 12, 2);
    add(wrongBand, 12, 3);
    EXPECT_NE(summarise().find("Dupe\t 1\r\nBad QSO\t 2\r\n"), std::string::npos);

    state.badQsoFile.create();  // more dupes than lines
    EXPECT_NE(summarise().find("Dupe\t 1\r\nBad QSO\t 0\r\n"), std::string::npos);
    std::filesystem::remove("bad.txt");
    EXPECT_NE(summarise().find("Bad QSO\t 0\r\n"), std::string::npos);
}

TEST(SortLoggedBands, LongestWavelengthFirstAndUnknownNamesByPaddedKey) {
    std::vector<std::string> bands = {"10m", "160m", "40m"};
    sortLoggedBands(bands);
    EXPECT_EQ(bands, (std::vector<std::string>{"160m", "40m", "10m"}));

    bands = {"10m", "15m", "20m", "40m", "80m", "160m"};
    sortLoggedBands(bands);
    EXPECT_EQ(bands, (std::vector<std::string>{"160m", "80m", "40m", "20m", "15m", "10m"}));

    bands = {"20M", "20m", "160M"};
    sortLoggedBands(bands);
    EXPECT_EQ(bands, (std::vector<std::string>{"160M", "20m", "20M"}));
}

TEST_F(ResultsSummary, SortedBandOrderStaysStored) {
    add(qsoWith("K1AA", "K", "NA", 5, "10m"), 12, 0);
    add(qsoWith("K1AA", "K", "NA", 5, "160m"), 12, 1);
    add(qsoWith("K1AA", "K", "NA", 5, "40m"), 12, 2);
    const std::string& summary = summarise();
    EXPECT_LT(summary.find("160m\t"), summary.find("40m\t"));
    EXPECT_LT(summary.find("40m\t"), summary.find("10m\t"));
    EXPECT_EQ(state.loggedBands, (std::vector<std::string>{"160m", "40m", "10m"}));
}

TEST_F(ResultsSummary, AnUpperCaseBandFillsTheListsOfTheBandBeforeIt) {
    add(qsoWith("K1AA", "K", "NA", 5, "20m"), 12, 0);
    add(qsoWith("JA1AA", "JA", "AS", 25, "20M"), 12, 1);
    summarise();
    EXPECT_EQ(state.worked.entities[3], (std::vector<std::string>{"JA"}));
    EXPECT_EQ(state.worked.zones[3], (std::vector<std::uint32_t>{25}));
}

TEST_F(ResultsSummary, ListsOfBandsWithoutQsosStayAsTheyWere) {
    state.worked.entities[5] = {"ZS"};
    add(qsoWith("K1AA", "K", "NA", 5, "20m"), 12, 0);
    summarise();
    EXPECT_EQ(state.worked.entities[5], (std::vector<std::string>{"ZS"}));
}

TEST_F(ResultsSummary, HtmlSummaryEscapesHostTexts) {
    state.htmlOutput = true;
    state.own.call = "<i>DL1ABC";
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
    const std::string& summary = summarise();
    EXPECT_EQ(summary.rfind("<html><head><style>table{ width:100%; }", 0), 0u);
    EXPECT_NE(summary.find("<center><b>    GACW WWSA CW DX Contest 12.05-13.05.2018</b></center>"
                           "<center>Contestant:  <b>&lt;i&gt;DL1ABC</center></b><table>"),
              std::string::npos);
    EXPECT_NE(summary.find("<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>Zone</th></tr>"),
              std::string::npos);
    EXPECT_NE(summary.find("<tr><th><center>20m</center></th><td><center>1</center></td><td><center>5</center>"
                           "</td><td><center>1</center></td><td><center>1</center></td></tr>"),
              std::string::npos);
    EXPECT_NE(summary.find("<tr><th><center>Bad QSO</center></th><td><center>0</center></td><td colspan=4> </td>"
                           "</tr><tr><th>Last QSO points:</th><td colspan=1><center>    5 </center></td>"),
              std::string::npos);
    EXPECT_NE(summary.find("<tr><th>Score:</th><td colspan=4><center>5 * (1 + 1) = 10</center></td></tr>"),
              std::string::npos);
    EXPECT_NE(summary.find("<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=4><center>    1 /6</center>"
                           "</td></tr>"),
              std::string::npos);
    EXPECT_EQ(summary.substr(summary.size() - 19), "</h6></body></html>");
}

TEST_F(ResultsSummary, HtmlShowsRateRowsForAnEmptyLogAndInExportMode) {
    state.htmlOutput = true;
    state.cabrilloExport = true;
    const std::string& summary = summarise();
    EXPECT_NE(summary.find("QSO rate:</th><td colspan=4><center>    0 /0</center>"), std::string::npos);
    EXPECT_NE(summary.find("Last QSO points:"), std::string::npos);
}

}  // namespace
