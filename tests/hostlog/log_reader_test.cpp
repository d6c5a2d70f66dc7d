#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/hostlog/log_reader.h"

namespace {

using hostlog::LogFormat;

const std::string fixturesDir = HOSTLOG_FIXTURES_DIR;

TEST(DetectLogFormat, DecidesByContent) {
    struct Case {
        const char* text;
        LogFormat format;
    };
    const Case cases[] = {
        {"START-OF-LOG: 3.0\nCALLSIGN: DL1ABC\n", LogFormat::Cabrillo},
        {"QSO: 14025 CW 2026-05-09 1203 DL1ABC 599 14 K1ABC 599 05", LogFormat::Cabrillo},
        {"CALLSIGN: DL1ABC\r\n  qso: 14025 CW", LogFormat::Cabrillo},
        {"start-of-log: 3.0", LogFormat::Cabrillo},
        {"Log\n<EOH>", LogFormat::Adif},
        {"<call:5>K1ABC<eor>", LogFormat::Adif},
        {"<Call:5>K1ABC", LogFormat::Adif},
        {"<EOR>", LogFormat::Adif},
        {"X-QSO: 14025 CW 2026-05-09 1203 DL1ABC 599 14 K1ABC 599 05", LogFormat::Unknown},
        {"<CALLSIGN:6>DL1ABC", LogFormat::Unknown},
        {"just some text", LogFormat::Unknown},
        {"", LogFormat::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(hostlog::detectLogFormat(c.text), c.format) << c.text;
}

TEST(ReadLog, ReportsATextOfNeitherFormat) {
    const auto result = hostlog::readLog("notes.txt", "just some text");
    EXPECT_TRUE(result.qsos.empty());
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].fileName, "notes.txt");
    EXPECT_EQ(result.problems[0].message, "not an ADIF or Cabrillo log");
}

TEST(ReadLog, SkipsAByteOrderMark) {
    const auto result =
        hostlog::readLog("bom.log", "\xEF\xBB\xBFQSO: 14025 CW 2026-05-09 1203 DL1ABC 599 14 K1ABC 599 05\n");
    EXPECT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    EXPECT_EQ(result.qsos[0].call, "K1ABC");
}

TEST(ReadLogFile, ReadsEitherFormatFromDisk) {
    struct Case {
        const char* file;
        std::vector<std::string> calls;
        std::vector<std::size_t> lines;
    };
    const Case cases[] = {
        {"three_qsos.cbr", {"PY2XB", "LU1FAM", "K1AR"}, {6, 7, 9}},
        {"two_qsos.adi", {"PY2XB", "LU1FAM"}, {4, 5}},
    };
    for (const auto& c : cases) {
        const auto result = hostlog::readLogFile(fixturesDir + "/" + c.file);
        EXPECT_TRUE(result.problems.empty()) << c.file;
        std::vector<std::string> calls;
        std::vector<std::size_t> lines;
        for (const auto& qso : result.qsos) {
            calls.push_back(qso.call);
            lines.push_back(qso.sourceLine);
        }
        EXPECT_EQ(calls, c.calls) << c.file;
        EXPECT_EQ(lines, c.lines) << c.file;
    }
}

TEST(ReadLogFile, ReportsAFileThatCannotBeRead) {
    const std::string path = fixturesDir + "/no_such_log.adi";
    const auto result = hostlog::readLogFile(path);
    EXPECT_TRUE(result.qsos.empty());
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].fileName, path);
    EXPECT_EQ(result.problems[0].line, 0u);
    EXPECT_EQ(result.problems[0].message, "cannot read the file");
}

}  // namespace
