#include <gtest/gtest.h>

#include "cabrillo/qso_line.h"
#include "tests/support/qso_builder.h"

namespace {

// PY1AA on 14025 kHz at 2019-06-08 14:37, zone 14 sent and 11 received, both RSTs logged as 599.
CInfo examplePy1aa() {
    CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    record.time = COleDateTime::fromCalendar({2019, 6, 8, 14, 37, 0});
    return record;
}

TEST(QsoLine, Columns) {
    struct Case {
        const char* what;
        std::uint32_t frequencyKHz;
        const char* mode;
        const char* ownCall;
        const char* exchangeSent;
        const char* call;
        const char* exchangeReceived;
        const char* line;
    };
    const Case cases[] = {
        {"the example", 14025, "CW", "DL1ABC", "14", "PY1AA", "11",
         "QSO: 14025 CW 2019-06-08 1437 DL1ABC        59  14     PY1AA         59  11\r\n"},
        {"frequency right-aligned in 5", 1830, "CW", "DL1ABC", "14", "PY1AA", "11",
         "QSO:  1830 CW 2019-06-08 1437 DL1ABC        59  14     PY1AA         59  11\r\n"},
        {"calls that fill 13 and 12 columns", 14025, "CW", "VE3/DL1ABC/QR", "14", "PY1AA/MM/QRP", "11",
         "QSO: 14025 CW 2019-06-08 1437 VE3/DL1ABC/QR 59  14     PY1AA/MM/QRP  59  11\r\n"},
        {"longer calls written whole", 14025, "CW", "VE3/DL1ABC/QRP", "14", "PY1AA/MM/QRPP", "11",
         "QSO: 14025 CW 2019-06-08 1437 VE3/DL1ABC/QRP 59  14     PY1AA/MM/QRPP  59  11\r\n"},
        {"five sent, three received", 14025, "CW", "DL1ABC", "12345", "PY1AA", "abc",
         "QSO: 14025 CW 2019-06-08 1437 DL1ABC        59  12345  PY1AA         59  abc\r\n"},
        {"four received become 0a cd", 14025, "CW", "DL1ABC", "123456", "PY1AA", "abcd",
         "QSO: 14025 CW 2019-06-08 1437 DL1ABC        59  123456  PY1AA         59  0a cd\r\n"},
        {"five received unchanged", 14025, "PH", "DL1ABC", "14", "PY1AA", "abcde",
         "QSO: 14025 PH 2019-06-08 1437 DL1ABC        59  14     PY1AA         59  abcde\r\n"},
    };
    for (const auto& c : cases) {
        CInfo record = examplePy1aa();
        record.frequencyKHz = c.frequencyKHz;
        record.exchangeSent = c.exchangeSent;
        record.call = c.call;
        record.exchangeReceived = c.exchangeReceived;
        EXPECT_EQ(qsoLine(record, c.mode, c.ownCall), c.line) << c.what;
    }
}

TEST(QsoLine, BothRstColumnsReadFiftyNine) {
    CInfo record = examplePy1aa();
    record.rstSent = "579";
    record.rstReceived = "339";
    EXPECT_EQ(qsoLine(record, "CW", "DL1ABC"),
              "QSO: 14025 CW 2019-06-08 1437 DL1ABC        59  14     PY1AA         59  11\r\n");
}

TEST(QsoLine, TimesThatAreNotValidDates) {
    CInfo record = examplePy1aa();
    record.time = COleDateTime(0.0, COleDateTime::invalid);
    EXPECT_EQ(qsoLine(record, "CW", "DL1ABC"),
              "QSO: 14025 CW Invalid DateTime DL1ABC        59  14     PY1AA         59  11\r\n");
    record.time = COleDateTime(0.0, COleDateTime::null);
    EXPECT_EQ(qsoLine(record, "CW", "DL1ABC"),
              "QSO: 14025 CW  DL1ABC        59  14     PY1AA         59  11\r\n");
}

TEST(QsoLine, OnlyAFourCharacterExchangeIsAdjusted) {
    EXPECT_EQ(receivedExchangeColumn("abcd"), "0a cd");
    EXPECT_EQ(receivedExchangeColumn("0511"), "00 11");
    for (const char* unchanged : {"", "5", "05", "abc", "abcde"}) EXPECT_EQ(receivedExchangeColumn(unchanged), unchanged);
}

}  // namespace
