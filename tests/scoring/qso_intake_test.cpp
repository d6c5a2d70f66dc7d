#include <gtest/gtest.h>

#include <random>

#include "scoring/qso_intake.h"
#include "tests/support/qso_builder.h"
#include "tests/support/scratch_folder.h"

namespace {

const std::string kHeaderLine = "GACW WWSA CW DX Contest UBN file \r\n";

class QsoIntake : public ::testing::Test {
protected:
    ScratchFolder folder;
    ContestState state;

    void SetUp() override {
        state.badQsoFile.setName("bad.txt");
        state.badQsoFile.create();
    }

    bool add(const CInfo& record) { return addQso(state, {record, "DL1ABC"}); }
    Removal remove(const CInfo& record) { return removeQso(state, {record, "DL1ABC"}); }
    std::string badFile() const { return fileText("bad.txt"); }
};

TEST_F(QsoIntake, StoresAnAcceptedQsoWithoutABadLine) {
    EXPECT_TRUE(add(qsoWith("PY1AA", "PY", "SA", 11)));
    ASSERT_EQ(state.log.size(), 1u);
    EXPECT_EQ(state.log[0].excluded, 0);
    EXPECT_EQ(state.log[0].dupe, 0);
    EXPECT_EQ(state.loggedBands, (std::vector<std::string>{"20m"}));
    EXPECT_EQ(badFile(), kHeaderLine);
}

TEST_F(QsoIntake, RejectsWithTheReasonAndLeavesTheLogAlone) {
    struct Case {
        const char* band;
        const char* mode;
        const char* sent;
        const char* reason;
    };
    const Case cases[] = {
        {"30m", "CW", "14", "   WRONG BAND !!!"},
        {"20m", "cw", "14", "   WRONG MODE !!!"},
        {"20m", "CW", "", "   NO NUMBER !!!"},
    };
    for (const auto& c : cases) {
        state.badQsoFile.create();
        CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
        record.band = c.band;
        record.mode = c.mode;
        record.exchangeSent = c.sent;
        EXPECT_FALSE(add(record)) << c.reason;
        EXPECT_EQ(badFile(), kHeaderLine + BadQsoFile::lineFor(record, "DL1ABC", c.reason) + "\r\n");
    }
    EXPECT_TRUE(state.log.empty());
    EXPECT_TRUE(state.loggedBands.empty());
}

TEST_F(QsoIntake, SecondQsoWithTheSameCallBandAndModeIsAStoredDupe) {
    add(qsoWith("PY1AA", "PY", "SA", 11));
    CInfo later = qsoWith("PY1AA", "PY", "SA", 11);
    later.time = contestTime(14, 10);
    EXPECT_TRUE(add(later));
    ASSERT_EQ(state.log.size(), 2u);
    EXPECT_EQ(state.log[1].dupe, 1);
    EXPECT_EQ(state.log[1].excluded, 1);
    EXPECT_EQ(badFile(), kHeaderLine + BadQsoFile::lineFor(later, "DL1ABC", "   DUPE !!!") + "\r\n");

    EXPECT_TRUE(add(qsoWith("PY1AA", "PY", "SA", 11, "40m")));
    EXPECT_EQ(state.log[2].dupe, 0) << "another band is no dupe";
    EXPECT_TRUE(add(qsoWith("PY1AA", "PY", "SA", 11, "20M")));
    EXPECT_EQ(state.log[3].dupe, 0) << "20M is another band text than 20m";
    EXPECT_EQ(state.loggedBands, (std::vector<std::string>{"20m", "40m", "20M"}));
}

TEST_F(QsoIntake, AValidQsoRecreatesADeletedBadQsoFileWithoutHeader) {
    std::filesystem::remove("bad.txt");
    add(qsoWith("PY1AA", "PY", "SA", 11));
    EXPECT_EQ(badFile(), "");
}

TEST_F(QsoIntake, RemovingTheOnlyQsoEmptiesEverything) {
    CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    add(record);
    add(record);  // a dupe line for the same call and minute
    state.worked.entities[3] = {"PY"};
    state.worked.zones[3] = {11};
    state.worked.zones[0] = {5};

    EXPECT_TRUE(remove(record).removedRecord);
    EXPECT_EQ(state.log.size(), 1u);
    EXPECT_TRUE(remove(record).removedRecord);
    EXPECT_TRUE(state.log.empty());
    EXPECT_TRUE(state.loggedBands.empty());
    for (int b = 0; b < kBandCount; ++b) {
        EXPECT_TRUE(state.worked.entities[b].empty());
        EXPECT_TRUE(state.worked.zones[b].empty());
    }
    EXPECT_EQ(badFile(), kHeaderLine);
}

TEST_F(QsoIntake, RemovalTakesTheFirstMatchAndOneZoneNumber) {
    CInfo first = qsoWith("PY1AA", "PY", "SA", 11);
    CInfo other = qsoWith("PY2BB", "PY", "SA", 11);
    add(first);
    add(other);
    add(first);
    state.worked.zones[3] = {11, 5, 11};

    remove(first);
    ASSERT_EQ(state.log.size(), 2u);
    EXPECT_EQ(state.log[0].call, "PY2BB");
    EXPECT_EQ(state.log[1].dupe, 1) << "the remaining dupe is not re-examined";
    EXPECT_EQ(state.worked.zones[3], (std::vector<std::uint32_t>{5, 11}));
    EXPECT_EQ(state.loggedBands, (std::vector<std::string>{"20m"}));
}

TEST_F(QsoIntake, RemovalOfAnUnknownBandTakesTheZoneFromThe160mList) {
    CInfo upper = qsoWith("PY1AA", "PY", "SA", 11, "20M");
    add(upper);
    add(qsoWith("K1AA", "K", "NA", 5));
    state.worked.zones[0] = {11};
    state.worked.zones[3] = {11};
    remove(upper);
    EXPECT_TRUE(state.worked.zones[0].empty());
    EXPECT_EQ(state.worked.zones[3], (std::vector<std::uint32_t>{11}));
}

TEST_F(QsoIntake, RemovalOneSecondOffRemovesNoRecordButStillTheBadLines) {
    CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    add(record);
    add(record);
    CInfo offBySecond = record;
    offBySecond.time = contestTime(12, 0, 1);
    EXPECT_FALSE(remove(offBySecond).removedRecord);
    EXPECT_EQ(state.log.size(), 2u);
    EXPECT_EQ(badFile(), kHeaderLine);
}

TEST_F(QsoIntake, RemovalKeepsLinesOfLongerCallsAtTheSameMinute) {
    CInfo k1ab = qsoWith("K1AB", "K", "NA", 5);
    CInfo k1abc = qsoWith("K1ABC", "K", "NA", 5);
    add(k1ab);
    add(k1ab);
    add(k1abc);
    add(k1abc);
    remove(k1ab);
    EXPECT_EQ(badFile(), kHeaderLine + BadQsoFile::lineFor(k1abc, "DL1ABC", "   DUPE !!!") + "\r\n");
}

TEST_F(QsoIntake, DupesFollowRemovalsOfTheEarlierQso) {
    CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    add(record);
    remove(record);
    EXPECT_TRUE(add(record));
    EXPECT_EQ(state.log[0].dupe, 0) << "nothing left to be a dupe of";
}

// The indexes must answer exactly what a scan of the log would, after any mix of changes.
TEST(QsoLogIndex, AgreesWithLinearScansAfterRandomAddsAndRemovals) {
    std::mt19937 random(20180512);
    const std::vector<std::string> calls = {"K1AB", "K1ABC", "PY1AA", "DL1X", ""};
    const std::vector<std::string> bands = {"20m", "40m", "20M"};
    const std::vector<std::string> modes = {"CW", "SSB"};
    const std::vector<std::string> prefixes = {"K", "PY", "DL", ""};
    auto pick = [&random](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };

    QsoLog log;
    for (int step = 0; step < 3000; ++step) {
        if (!log.empty() && random() % 3 == 0) {
            log.removeAt(std::uniform_int_distribution<std::size_t>(0, log.size() - 1)(random));
        } else {
            CInfo record = qsoWith(pick(calls), pick(prefixes), "NA", 5, pick(bands));
            record.mode = pick(modes);
            log.append(record);
        }
        const std::string call = pick(calls), band = pick(bands), mode = pick(modes), prefix = pick(prefixes);
        bool callBandMode = false, callBand = false, bandPrefix = false;
        for (const CInfo& r : log) {
            callBandMode |= r.call == call && r.band == band && r.mode == mode;
            callBand |= r.call == call && r.band == band;
            bandPrefix |= r.band == band && r.dxccPrefix == prefix;
        }
        ASSERT_EQ(log.holdsCallBandMode(call, band, mode), callBandMode) << "step " << step;
        ASSERT_EQ(log.holdsCallOnBand(call, band), callBand) << "step " << step;
        ASSERT_EQ(log.holdsPrefixOnBand(band, prefix), bandPrefix) << "step " << step;
    }
}

}  // namespace
