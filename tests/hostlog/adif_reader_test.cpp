#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "tools/hostlog/adif_reader.h"

namespace {

using hostlog::readAdif;

const std::string fileName = "test.adi";

// A record that must always read, to show reading goes on around a broken one.
std::string goodRecord(const std::string& call) {
    return "<CALL:" + std::to_string(call.size()) + ">" + call +
           "<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>\n";
}

// The record's own fields plus the date and time every record needs.
std::string datedRecord(const std::string& fields) {
    return "<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200" + fields + "<EOR>\n";
}

TEST(AdifReader, ReadsEveryFieldOfARecord) {
    const std::string text =
        "Log of DL1ABC\n"
        "<ADIF_VER:5>3.1.4\n"
        "<EOH>\n"
        "<CALL:5>py2xb <QSO_DATE:8>20260509 <TIME_ON:6>120345 <FREQ:8>21.02530 <BAND:3>15M <MODE:2>CW\n"
        "<RST_SENT:3>599 <RST_RCVD:3>579 <STX_STRING:2>14 <SRX_STRING:2>11 <STATION_CALLSIGN:6>dl1abc <EOR>\n";
    const auto result = readAdif(fileName, text);

    ASSERT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    const auto& qso = result.qsos.front();
    EXPECT_EQ(qso.call, "PY2XB");
    EXPECT_EQ(qso.myCall, "DL1ABC");
    EXPECT_EQ((std::array{qso.year, qso.month, qso.day, qso.hour, qso.minute, qso.second}),
              (std::array{2026, 5, 9, 12, 3, 45}));
    EXPECT_EQ(qso.frequencyHz, 21'025'300u);
    EXPECT_EQ(qso.band, "15m");
    EXPECT_EQ(qso.mode, "CW");
    EXPECT_EQ(qso.rstSent, "599");
    EXPECT_EQ(qso.rstReceived, "579");
    EXPECT_EQ(qso.exchangeSent, "14");
    EXPECT_EQ(qso.exchangeReceived, "11");
    EXPECT_EQ(qso.sourceLine, 4u);
}

TEST(AdifReader, TakesExactlyTheGivenLengthOfData) {
    // The comment holds "<EOR>", a newline and a tag-like text; the exchange holds '<'.
    const std::string text =
        "<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1300<COMMENT:20>see <EOR>\nyou <CALL>\n"
        "<SRX_STRING:4>0<5>\n"
        "<EOR>\n" +
        goodRecord("W1AW");
    const auto result = readAdif(fileName, text);

    ASSERT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 2u);
    EXPECT_EQ(result.qsos[0].call, "K1ABC");
    EXPECT_EQ(result.qsos[0].exchangeReceived, "0<5>");
    EXPECT_EQ(result.qsos[0].sourceLine, 1u);
    EXPECT_EQ(result.qsos[1].call, "W1AW");
    EXPECT_EQ(result.qsos[1].sourceLine, 5u);
}

TEST(AdifReader, ReportsABrokenRecordAndReadsOn) {
    struct Case {
        const char* record;
        const char* message;
    };
    const Case cases[] = {
        {"<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "record has no CALL"},
        {"<CALL:0><QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "record has no CALL"},
        {"<CALL:5>K1ABC<TIME_ON:4>1200<EOR>", "record has no QSO_DATE"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20261301<TIME_ON:4>1200<EOR>", "bad QSO_DATE \"20261301\""},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260230<TIME_ON:4>1200<EOR>", "bad QSO_DATE"},
        {"<CALL:5>K1ABC<QSO_DATE:7>2026059<TIME_ON:4>1200<EOR>", "bad QSO_DATE"},
        {"<CALL:5>K1ABC<QSO_DATE:8>2026-5-9<TIME_ON:4>1200<EOR>", "bad QSO_DATE"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<EOR>", "record has no TIME_ON"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>2400<EOR>", "bad TIME_ON \"2400\""},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1260<EOR>", "bad TIME_ON"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:6>120060<EOR>", "bad TIME_ON"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:3>120<EOR>", "bad TIME_ON"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:5>12:00<EOR>", "bad TIME_ON"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<FREQ:6>14.0a5<EOR>", "bad FREQ \"14.0a5\""},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<FREQ:6>14,025<EOR>", "bad FREQ"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<FREQ:3>-14<EOR>", "bad FREQ"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<FREQ:1>.<EOR>", "bad FREQ"},
        {"<CALL:x>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "bad tag \"CALL:x\""},
        {"<CALL:>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "bad tag"},
        {"<CALL:-5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "bad tag"},
        {"<CALL:99999999999999999999999>K1ABC<EOR>", "bad tag"},
        {"<:5>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "bad tag"},
        {"<CALL>K1ABC<QSO_DATE:8>20260509<TIME_ON:4>1200<EOR>", "tag \"CALL\" has no length"},
        {"<CALL:5>K1ABC<QSO_DATE:8>20260509<COMMENT:500>short<EOR>", "field COMMENT runs past the end of the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        const auto result = readAdif(fileName, goodRecord("DL1AAA") + c.record + "\n" + goodRecord("DL1CCC"));
        ASSERT_EQ(result.qsos.size(), 2u);
        EXPECT_EQ(result.qsos[0].call, "DL1AAA");
        EXPECT_EQ(result.qsos[1].call, "DL1CCC");
        EXPECT_EQ(result.qsos[1].sourceLine, 3u);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].fileName, fileName);
        EXPECT_EQ(result.problems[0].line, 2u);
        EXPECT_NE(result.problems[0].message.find(c.message), std::string::npos) << result.problems[0].message;
    }
}

TEST(AdifReader, NeverTurnsATruncatedRecordIntoAQso) {
    const std::string record = datedRecord("<FREQ:6>14.025<SRX_STRING:2>05");
    ASSERT_EQ(readAdif(fileName, record).qsos.size(), 1u);
    // Every cut, inside a tag, inside data or between fields, leaves a broken record.
    for (std::size_t length = 1; length < record.find("<EOR>") + 5; ++length) {
        const auto result = readAdif(fileName, record.substr(0, length));
        EXPECT_TRUE(result.qsos.empty()) << length;
        ASSERT_EQ(result.problems.size(), 1u) << length;
        EXPECT_EQ(result.problems[0].line, 1u);
    }
}

TEST(AdifReader, SurvivesGarbage) {
    const std::string garbage[] = {
        "",
        "<",
        ">",
        "<<<>>>",
        "<EOR><EOR>",
        "<eoh><eor>",
        std::string("\0<CALL:1>\0<EOR>", 15),
        "<CALL:18446744073709551615>x",
        "<CALL:18446744073709551616>x<EOR>",
        "text without any tag",
        "<CALL:5:S:extra>K1ABC",
    };
    for (const auto& text : garbage) EXPECT_TRUE(readAdif(fileName, text).qsos.empty()) << text;
}

TEST(AdifReader, KeepsProblemLinesInsideTheTextWhateverCharacterIsChanged) {
    const std::string text = goodRecord("DL1AAA") + datedRecord("<FREQ:5>7.012\n<SRX:2>14");
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    for (std::size_t position = 0; position < text.size(); ++position) {
        for (char replacement : {'<', '>', ':', '\n', '9', '\0'}) {
            std::string changed = text;
            changed[position] = replacement;
            const auto result = readAdif(fileName, changed);
            EXPECT_LE(result.qsos.size(), 2u);
            for (const auto& problem : result.problems) {
                EXPECT_GE(problem.line, 1u);
                EXPECT_LE(problem.line, lineCount + 1) << position << ' ' << int(replacement);
            }
        }
    }
}

TEST(AdifReader, IgnoresCaseOfTagNamesAndReadsTypeIndicators) {
    const auto result = readAdif(fileName,
                                 "header\n<eoh>\n"
                                 "<call:5>k1abc<Qso_Date:8:D>20260509<time_on:4:T>1200<Band:3>20M<eor>\n");
    ASSERT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    EXPECT_EQ(result.qsos[0].call, "K1ABC");
    EXPECT_EQ(result.qsos[0].day, 9);
    EXPECT_EQ(result.qsos[0].band, "20m");
}

TEST(AdifReader, ReadsFilesWithoutOrWithUnusualHeaders) {
    struct Case {
        const char* header;
        std::size_t recordLine;
    };
    const Case cases[] = {
        {"", 1},                                            // records from the first byte
        {"<ADIF_VER:5>3.1.4<OPERATOR:6>XX9XXX<EOH>\n", 2},  // header fields without free text
        {"Made by <LogTool>\n<EOH>\n", 3},                  // '<' in the free text
    };
    for (const auto& c : cases) {
        const auto result = readAdif(fileName, c.header + goodRecord("K1ABC"));
        EXPECT_TRUE(result.problems.empty()) << c.header;
        ASSERT_EQ(result.qsos.size(), 1u) << c.header;
        EXPECT_EQ(result.qsos[0].call, "K1ABC");
        EXPECT_EQ(result.qsos[0].myCall, "") << c.header;
        EXPECT_EQ(result.qsos[0].sourceLine, c.recordLine) << c.header;
    }
}

TEST(AdifReader, IgnoresStrayTextBetweenFields) {
    const auto result = readAdif(fileName, "<CALL:5>K1ABC a>b 5<6 <QSO_DATE:8>20260509 x<y<TIME_ON:4>1200<EOR>\n");
    EXPECT_TRUE(result.problems.empty());
    ASSERT_EQ(result.qsos.size(), 1u);
    EXPECT_EQ(result.qsos[0].call, "K1ABC");
    EXPECT_EQ(result.qsos[0].hour, 12);
}

TEST(AdifReader, LeavesMissingOptionalFieldsEmpty) {
    const auto result = readAdif(fileName, goodRecord("K1ABC"));
    ASSERT_EQ(result.qsos.size(), 1u);
    const auto& qso = result.qsos[0];
    EXPECT_EQ(qso.second, 0);
    EXPECT_EQ(qso.frequencyHz, 0u);
    for (const std::string* field : {&qso.myCall, &qso.band, &qso.mode, &qso.rstSent, &qso.rstReceived,
                                     &qso.exchangeSent, &qso.exchangeReceived}) {
        EXPECT_TRUE(field->empty()) << *field;
    }
}

TEST(AdifReader, ReadsFrequencyInMegahertzAndDerivesTheBandWhenNoneIsGiven) {
    struct Case {
        const char* freq;
        std::uint64_t hertz;
        const char* band;
    };
    const Case cases[] = {
        {"14.025", 14'025'000, "20m"},  {"7", 7'000'000, "40m"},          {"3.5255", 3'525'500, "80m"},
        {"1.8", 1'800'000, "160m"},     {"28.0000019", 28'000'001, "10m"}, {" 21.05 ", 21'050'000, "15m"},
        {"10.1215", 10'121'500, "30m"}, {"13.9999", 13'999'900, ""},
    };
    for (const auto& c : cases) {
        const std::string freq = c.freq;
        const auto result = readAdif(fileName, datedRecord("<FREQ:" + std::to_string(freq.size()) + ">" + freq));
        ASSERT_EQ(result.qsos.size(), 1u) << freq;
        EXPECT_EQ(result.qsos[0].frequencyHz, c.hertz) << freq;
        EXPECT_EQ(result.qsos[0].band, c.band) << freq;
    }
}

TEST(AdifReader, PrefersTheLoggedBandOverTheFrequency) {
    const auto result = readAdif(fileName, datedRecord("<FREQ:6>14.025<BAND:3>40M"));
    ASSERT_EQ(result.qsos.size(), 1u);
    EXPECT_EQ(result.qsos[0].band, "40m");
}

TEST(AdifReader, FallsBackToOtherExchangeFields) {
    struct Case {
        const char* fields;
        const char* sent;
        const char* received;
    };
    const Case cases[] = {
        {"<STX_STRING:2>14<STX:1>7<MY_CQ_ZONE:2>15<SRX_STRING:2>11<SRX:1>3<CQZ:2>12", "14", "11"},
        {"<STX:1>7<MY_CQ_ZONE:2>15<SRX:1>3<CQZ:2>12", "7", "3"},
        {"<MY_CQ_ZONE:2>14<CQZ:1>5", "14", "5"},
        {"<STX_STRING:0><STX:2>14<SRX_STRING:1> <CQZ:2>05", "14", "05"},
        {"<SRX_STRING:2>13", "", "13"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto result = readAdif(fileName, datedRecord(c.fields));
        ASSERT_EQ(result.qsos.size(), 1u) << c.fields;
        EXPECT_EQ(result.qsos[0].exchangeSent, c.sent) << c.fields;
        EXPECT_EQ(result.qsos[0].exchangeReceived, c.received) << c.fields;
    }
}

TEST(AdifReader, TakesOwnCallFromStationCallsignElseOperator) {
    struct Case {
        const char* fields;
        const char* myCall;
    };
    const Case cases[] = {
        {"<STATION_CALLSIGN:6>DL1ABC<OPERATOR:6>DL2XYZ", "DL1ABC"},
        {"<OPERATOR:6>dl2xyz", "DL2XYZ"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto result = readAdif(fileName, datedRecord(c.fields));
        ASSERT_EQ(result.qsos.size(), 1u) << c.fields;
        EXPECT_EQ(result.qsos[0].myCall, c.myCall) << c.fields;
    }
}

}  // namespace
