#include <gtest/gtest.h>

#include "scoring/scoring_rules.h"
#include "tests/support/qso_builder.h"

namespace {

TEST(Acceptance, FirstFailedTestDecidesTheReason) {
    struct Case {
        const char* band;
        const char* mode;
        const char* sent;
        const char* received;
        Rejection expected;
    };
    const Case cases[] = {
        {"20m", "CW", "14", "11", Rejection::none},
        {"20M", "CW", "14", "11", Rejection::none},
        {"160m", "CW", "14", "11", Rejection::none},
        {"30m", "CW", "14", "11", Rejection::wrongBand},
        {"", "CW", "14", "11", Rejection::wrongBand},
        {"30m", "SSB", "", "", Rejection::wrongBand},
        {"20m", "cw", "14", "11", Rejection::wrongMode},
        {"20m", "SSB", "", "11", Rejection::wrongMode},
        {"20m", "CW", "", "11", Rejection::noNumber},
        {"20m", "CW", "14", "", Rejection::noNumber},
    };
    for (const auto& c : cases) {
        CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
        record.band = c.band;
        record.mode = c.mode;
        record.exchangeSent = c.sent;
        record.exchangeReceived = c.received;
        EXPECT_EQ(acceptanceOf(record), c.expected) << c.band << ' ' << c.mode << " '" << c.sent << "' '"
                                                     << c.received << "'";
    }
}

TEST(QsoPoints, ByContinentAndCountry) {
    struct Case {
        const char* ownContinent;
        const char* ownPrefix;
        const char* continent;
        const char* prefix;
        int points;
    };
    const Case cases[] = {
        {"EU", "DL", "EU", "DL", 0}, {"EU", "DL", "EU", "F", 1},  {"EU", "DL", "NA", "K", 3},
        {"EU", "DL", "SA", "PY", 5}, {"SA", "LU", "SA", "LU", 0}, {"SA", "LU", "SA", "PY", 1},
        {"SA", "LU", "NA", "K", 3},  {"EU", "UA", "AS", "UA9", 3}, {"", "DL", "", "F", 1},
        {"", "DL", "SA", "PY", 5},
    };
    for (const auto& c : cases) {
        const OwnStation own{"X", c.ownPrefix, c.ownContinent, std::string(c.ownContinent) == "SA", false};
        EXPECT_EQ(qsoPoints(qsoWith("CALL", c.prefix, c.continent, 1), own), c.points)
            << c.ownContinent << '/' << c.ownPrefix << " works " << c.continent << '/' << c.prefix;
    }
}

TEST(BandTally, CountsDistinctPrefixesAndZonesOfCountedQsos) {
    BandTally tally("20m");
    const OwnStation own{"DL1ABC", "DL", "EU", false, false};
    CInfo dupe = qsoWith("PY1AA", "PY", "SA", 11);
    dupe.excluded = dupe.dupe = 1;
    CInfo zoneZero = qsoWith("DL2XX", "DL", "EU", 0);
    CInfo highZone = qsoWith("XX1X", "", "EU", 77);
    for (const CInfo& record : {qsoWith("PY1AA", "PY", "SA", 11), qsoWith("K1AA", "K", "NA", 5),
                                qsoWith("PY2BB", "PY", "SA", 11), dupe, zoneZero, highZone}) {
        tally.add(record, qsoPoints(record, own));
    }
    EXPECT_EQ(tally.qsos(), 5);
    EXPECT_EQ(tally.points(), 5 + 3 + 5 + 0 + 1);
    EXPECT_EQ(tally.dupes(), 1);
    EXPECT_EQ(tally.prefixes(), (std::vector<std::string>{"PY", "K", "DL", ""}));
    EXPECT_EQ(tally.zones(), (std::vector<std::uint32_t>{11, 5, 0, 77}));
    EXPECT_EQ(tally.dxccMultipliers(), 4);
    EXPECT_EQ(tally.zoneMultipliers(), 4);
}

TEST(ContestScore, WrapsToThirtyTwoBitsWithoutOverflowing) {
    EXPECT_EQ(contestScore(13, 3, 3), 78);
    EXPECT_EQ(contestScore(0, 100, 100), 0);
    EXPECT_EQ(contestScore(65536, 32768, 0), INT32_MIN);
    EXPECT_EQ(contestScore(65536, 65536, 0), 0);
}

}  // namespace
