#include <gtest/gtest.h>

#include "scoring/call_check.h"
#include "tests/support/qso_builder.h"

namespace {

class CallCheck : public ::testing::Test {
protected:
    QsoLog log;

    void SetUp() override {
        log.append(qsoWith("PY1AA", "PY", "SA", 11, "20m"));
        log.append(qsoWith("K1AA", "K", "NA", 5, "20M"));
    }

    CallCheckAnswer check(const char* call, const char* prefix, int zone, const char* band,
                          const char* secondBand = "", const char* mode = "CW", const char* hostVersion = "Dorv") {
        return checkCall(log, hostVersion, {call, mode, prefix, zone, band, secondBand});
    }
};

TEST_F(CallCheck, AnswersDupeOldOrNewMultiplier) {
    struct Case {
        const char* call;
        const char* prefix;
        const char* band;
        int code;
    };
    const Case cases[] = {
        {"PY1AA", "PY", "20m", kDupe},
        {"PY1AA", "PY", "40m", kNewMultiplier},
        {"PY2BB", "PY", "20m", kValidContact},
        {"DL1X", "DL", "20m", kNewMultiplier},
        {"K1AA", "K", "20m", kNewMultiplier},  // stored as 20M: another band text
        {"K1AA", "K", "20M", kDupe},
        {"W1AW", "K", "20M", kValidContact},
        {"DL1X", "", "20m", kValidContact},
        {"PY1AA", "", "20m", kValidContact},  // an empty prefix answers before the dupe test
    };
    for (const auto& c : cases) {
        EXPECT_EQ(check(c.call, c.prefix, 11, c.band).code, c.code) << c.call << ' ' << c.prefix << ' ' << c.band;
    }
}

TEST_F(CallCheck, NotApplicableDependsOnTheHostVersion) {
    struct Case {
        const char* band;
        const char* secondBand;
        const char* mode;
    };
    const Case outsideTheContest[] = {
        {"30m", "", "CW"}, {"", "", "CW"}, {"20m", "", "cw"}, {"20m", "", "SSB"}, {"20m", "40m", "CW"},
    };
    for (const auto& c : outsideTheContest) {
        for (const char* version : {"Dorv", "2.18", "2.21", ""}) {
            EXPECT_EQ(check("DL1X", "DL", 14, c.band, c.secondBand, c.mode, version).code, kNotApplicable)
                << c.band << '/' << c.secondBand << ' ' << c.mode << " on " << version;
        }
        for (const char* version : {"2.19", "2.20"}) {
            EXPECT_EQ(check("DL1X", "DL", 14, c.band, c.secondBand, c.mode, version).code, kValidContact)
                << c.band << '/' << c.secondBand << ' ' << c.mode << " on " << version;
        }
    }
    EXPECT_EQ(check("DL1X", "DL", 14, "20m", "20M").code, kNewMultiplier) << "band texts agree without case";
}

TEST_F(CallCheck, ExpectedExchangeMarksGuessedZones) {
    struct Case {
        const char* prefix;
        int zone;
        const char* expected;
    };
    const Case cases[] = {
        {"K", 5, "5?"}, {"VE", 4, "4?"}, {"VK", 30, "30?"}, {"UA9", 17, "17?"}, {"BY", 24, "24?"},
        {"DL", 14, "14"}, {"UA", 16, "16"}, {"DL", -2147483647 - 1, "-2147483648"},
    };
    for (const auto& c : cases) {
        const auto answer = check("X1X", c.prefix, c.zone, "40m");
        EXPECT_TRUE(answer.hasExpectedExchange);
        EXPECT_EQ(answer.expectedExchange, c.expected) << c.prefix;
    }
    EXPECT_FALSE(check("PY1AA", "PY", 11, "20m").hasExpectedExchange) << "no exchange for a dupe";
    EXPECT_FALSE(check("X1X", "", 11, "20m").hasExpectedExchange);
    EXPECT_FALSE(check("X1X", "DL", 11, "30m").hasExpectedExchange);
}

TEST(ExchangeCheck, ValidatesTheZoneForTheCountry) {
    struct Case {
        const char* exchange;
        const char* prefix;
        int flag;
        bool valid;
    };
    const Case cases[] = {
        {"14", "DL", 0, true},  {"14", "", 0, true},    {"00", "DL", 0, true},  {"40", "K", 0, true},
        {"41", "DL", 0, false}, {"5", "VE", 0, true},   {"5", "K", 0, true},    {"5", "DL", 0, false},
        {"1", "VE", 0, true},   {"1", "K", 0, false},   {"3", "K", 0, true},    {"6", "VE", 0, false},
        {"0", "VE", 0, false},  {"05", "K", 0, true},   {"5A", "K", 0, false},  {"123", "DL", 0, false},
        {"", "DL", 0, false},   {"a", "K", 0, false},   {" 5", "K", 0, false},  {"14", "DL", 1, false},
        {"5", "K", -1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidExchange(c.exchange, c.prefix, c.flag), c.valid)
            << '"' << c.exchange << "\" for " << c.prefix << " flag " << c.flag;
    }
}

}  // namespace
