#include <gtest/gtest.h>

#include "scoring/bad_qso_file.h"
#include "tests/support/qso_builder.h"
#include "tests/support/scratch_folder.h"

namespace {

const std::string kHeaderLine = "GACW WWSA CW DX Contest UBN file \r\n";

TEST(BadQsoFile, NameCarriesTheContestEndDate) {
    EXPECT_EQ(BadQsoFile::nameFor(COleDateTime::fromCalendar({2018, 5, 13, 23, 59, 0})),
              "BadQSO_RedodIVER_13_05_2018.txt");
    EXPECT_EQ(BadQsoFile::nameFor(COleDateTime(0, COleDateTime::null)), "BadQSO_RedodIVER_.txt");
    EXPECT_EQ(BadQsoFile::nameFor(COleDateTime(0, COleDateTime::invalid)), "BadQSO_RedodIVER_Invalid DateTime.txt");
}

TEST(BadQsoFile, LineJoinsTheFieldsWithTwoBlanks) {
    CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    record.time = contestTime(15, 30);
    record.exchangeReceived = "11";
    EXPECT_EQ(BadQsoFile::lineFor(record, "DL1ABC", "   DUPE !!!"),
              "QSO:  14025  CW  2018-05-12 1530  DL1ABC  599  14  PY1AA  599  11   DUPE !!!");
}

class BadQsoFileOnDisk : public ::testing::Test {
protected:
    ScratchFolder folder;
    BadQsoFile file;

    void SetUp() override { file.setName("bad.txt"); }

    std::string lineOf(const std::string& call, int hour, int minute, int day = 12) {
        CInfo record = qsoWith(call, "K", "NA", 5);
        record.time = COleDateTime::fromCalendar({2018, 5, day, hour, minute, 0});
        return BadQsoFile::lineFor(record, "DL1ABC", "   DUPE !!!");
    }
};

TEST_F(BadQsoFileOnDisk, CreateWritesOnlyTheHeader) {
    writeFile("bad.txt", "old content\r\n");
    file.create();
    EXPECT_EQ(fileText("bad.txt"), kHeaderLine);
    EXPECT_EQ(file.countLines(), 1u);
}

TEST_F(BadQsoFileOnDisk, EnsureExistsCreatesAnEmptyFileWithoutHeaderAndKeepsAnOldOne) {
    file.ensureExists();
    EXPECT_EQ(fileText("bad.txt"), "");
    file.appendLine("x");
    file.ensureExists();
    EXPECT_EQ(fileText("bad.txt"), "x\r\n");
}

TEST_F(BadQsoFileOnDisk, CountsLinesWithOrWithoutAFinalLineEnd) {
    EXPECT_EQ(file.countLines(), 0u);  // missing
    writeFile("bad.txt", "");
    EXPECT_EQ(file.countLines(), 0u);
    writeFile("bad.txt", "a\r\nb\r\nc");
    EXPECT_EQ(file.countLines(), 3u);
}

TEST_F(BadQsoFileOnDisk, RemovesOnlyLinesOfThatCallAtThatDateAndMinute) {
    file.create();
    const std::string k1ab = lineOf("K1AB", 15, 30);
    const std::string k1abc = lineOf("K1ABC", 15, 30);
    const std::string otherMinute = lineOf("K1AB", 15, 31);
    const std::string otherDay = lineOf("K1AB", 15, 30, 13);
    CInfo asOwnCall = qsoWith("W1XYZ", "K", "NA", 5);
    asOwnCall.time = contestTime(15, 30);
    const std::string ownCallK1ab = BadQsoFile::lineFor(asOwnCall, "K1AB", "   DUPE !!!");
    for (const auto& line : {k1ab, k1abc, otherMinute, otherDay, ownCallK1ab, k1ab}) file.appendLine(line);

    file.removeLinesOf("K1AB", "2018-05-12 1530");

    EXPECT_EQ(fileText("bad.txt"),
              kHeaderLine + k1abc + "\r\n" + otherMinute + "\r\n" + otherDay + "\r\n" + ownCallK1ab + "\r\n");
}

TEST_F(BadQsoFileOnDisk, RemovalRecreatesAMissingFileWithItsHeader) {
    file.removeLinesOf("K1AB", "2018-05-12 1530");
    EXPECT_EQ(fileText("bad.txt"), kHeaderLine);
}

TEST_F(BadQsoFileOnDisk, WithoutANameNothingIsWritten) {
    BadQsoFile unnamed;
    unnamed.create();
    unnamed.appendLine("x");
    unnamed.ensureExists();
    EXPECT_EQ(unnamed.countLines(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
