#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tools/hostlog/cabrillo_reader.h"

namespace {

using hostlog::readCabrillo;

const std::string fileName = "test.cbr";

TEST(CabrilloReader, ReadsTheColumnsOfAQsoLine) {
    const auto result = readCabrillo(fileName, "QSO: 21025 CW 2026-05-09 1203 dl1abc 599 14 py2xb 579 11\n");
    ASSERT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    const auto& qso = result.qsos[0];
    EXPECT_EQ(qso.call, "PY2XB");
    EXPECT_EQ(qso.myCall, "DL1ABC");
    EXPECT_EQ((std::array{qso.year, qso.month, qso.day, qso.hour, qso.minute, qso.second}),
              (std::array{2026, 5, 9, 12, 3, 0}));
    EXPECT_EQ(qso.frequencyHz, 21'025'000u);
    EXPECT_EQ(qso.band, "15m");
    EXPECT_EQ(qso.mode, "CW");
    EXPECT_EQ(qso.rstSent, "599");
    EXPECT_EQ(qso.exchangeSent, "14");
    EXPECT_EQ(qso.rstReceived, "579");
    EXPECT_EQ(qso.exchangeReceived, "11");
    EXPECT_EQ(qso.sourceLine, 1u);
}

TEST(CabrilloReader, SkipsHeadersUnknownTagsAndXQsoLines) {
    const auto result = readCabrillo(fileName,
                                     "START-OF-LOG: 3.0\n"
                                     "CALLSIGN: DL1ABC\n"
                                     "SOAPBOX: QSO: rates were fine\n"
                                     "X-MY-OWN-TAG: anything\n"
                                     "X-QSO: 14030 CW 2026-05-09 1210 DL1ABC 599 14 K1ABC 599 05\n"
                                     "\n"
                                     "QSO: 14031 CW 2026-05-09 1211 DL1ABC 599 14 W1AW 599 05\n"
                                     "END-OF-LOG:\n");
    EXPECT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    EXPECT_EQ(result.qsos[0].call, "W1AW");
    EXPECT_EQ(result.qsos[0].sourceLine, 7u);
}

TEST(CabrilloReader, IgnoresColumnsAfterTheReceivedExchange) {
    for (const char* extra : {" 0", " 1", " 1 whatever follows"}) {
        const auto result =
            readCabrillo(fileName, std::string("QSO: 7012 CW 2026-05-09 2301 DL1ABC 599 14 K1AR 599 05") + extra);
        EXPECT_TRUE(result.problems.empty()) << extra;
        ASSERT_EQ(result.qsos.size(), 1u) << extra;
        EXPECT_EQ(result.qsos[0].exchangeReceived, "05") << extra;
    }
}

TEST(CabrilloReader, AcceptsWindowsLineEndsAndLowerCaseTags) {
    const auto result = readCabrillo(fileName,
                                     "qso: 7012 CW 2026-05-09 2301 DL1ABC 599 14 K1AR 599 05\r\n"
                                     "QSO: 7013 CW 2026-05-09 2302 DL1ABC 599 14 W1AW 599 05\r\n");
    EXPECT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 2u);
    EXPECT_EQ(result.qsos[0].exchangeReceived, "05");
    EXPECT_EQ(result.qsos[1].sourceLine, 2u);
}

TEST(CabrilloReader, ReportsABrokenQsoLineAndReadsOn) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"QSO: 21025 CW 2026-05-09 1203 DL1ABC 599 14 PY2XB 599", "QSO line has 9 columns, needs 10"},
        {"QSO:", "QSO line has 0 columns"},
        {"QSO: 21025 CW 2026-13-09 1203 DL1ABC 599 14 PY2XB 599 11", "bad date \"2026-13-09\""},
        {"QSO: 21025 CW 2026-02-29 1203 DL1ABC 599 14 PY2XB 599 11", "bad date"},
        {"QSO: 21025 CW 2026/05/09 1203 DL1ABC 599 14 PY2XB 599 11", "bad date"},
        {"QSO: 21025 CW 09-05-2026 1203 DL1ABC 599 14 PY2XB 599 11", "bad date"},
        {"QSO: 21025 CW 2026-05-09 2460 DL1ABC 599 14 PY2XB 599 11", "bad time \"2460\""},
        {"QSO: 21025 CW 2026-05-09 12:03 DL1ABC 599 14 PY2XB 599 11", "bad time"},
        {"QSO: 21025 CW 2026-05-09 123 DL1ABC 599 14 PY2XB 599 11", "bad time"},
        {"QSO: 21O25 CW 2026-05-09 1203 DL1ABC 599 14 PY2XB 599 11", "bad frequency \"21O25\""},
        {"QSO: -21025 CW 2026-05-09 1203 DL1ABC 599 14 PY2XB 599 11", "bad frequency"},
        {"QSO: 10 CW 2026-05-09 1203 DL1ABC 599 14 PY2XB 599 11", "bad frequency \"10\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto result = readCabrillo(fileName,
                                         std::string("QSO: 14025 CW 2026-05-09 1200 DL1ABC 599 14 DL1AAA 599 14\n") +
                                             c.line + "\nQSO: 14026 CW 2026-05-09 1201 DL1ABC 599 14 DL1CCC 599 14\n");
        ASSERT_EQ(result.qsos.size(), 2u);
        EXPECT_EQ(result.qsos[0].call, "DL1AAA");
        EXPECT_EQ(result.qsos[1].call, "DL1CCC");
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].fileName, fileName);
        EXPECT_EQ(result.problems[0].line, 2u);
        EXPECT_NE(result.problems[0].message.find(c.message), std::string::npos) << result.problems[0].message;
    }
}

TEST(CabrilloReader, ReadsKilohertzOrABandInMegahertz) {
    struct Case {
        const char* frequency;
        std::uint64_t hertz;  // 0 when only the band is known
        const char* band;
    };
    const Case cases[] = {
        {"1830", 1'830'000, "160m"}, {"3525.5", 3'525'500, "80m"}, {"14025", 14'025'000, "20m"},
        {"29700", 29'700'000, "10m"}, {"14400", 14'400'000, ""},   {"1.8", 0, "160m"},
        {"3.5", 0, "80m"},           {"7", 0, "40m"},              {"14", 0, "20m"},
        {"21", 0, "15m"},            {"28", 0, "10m"},             {"50", 0, "6m"},
        {"144", 0, "2m"},
    };
    for (const auto& c : cases) {
        const auto result = readCabrillo(
            fileName, std::string("QSO: ") + c.frequency + " CW 2026-05-09 1203 DL1ABC 599 14 PY2XB 599 11");
        ASSERT_EQ(result.qsos.size(), 1u) << c.frequency;
        EXPECT_EQ(result.qsos[0].frequencyHz, c.hertz) << c.frequency;
        EXPECT_EQ(result.qsos[0].band, c.band) << c.frequency;
    }
}

}  // namespace
