#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/cabrillo_writer.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string kFile = "DL1ABC.cbr";
const std::string kLog = "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n";

class CabrilloWriter : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(CabrilloWriter, WritesTheBytesAsTheyAre) {
    EXPECT_EQ(writeCabrilloFile(kFile, kLog), "File produced: DL1ABC.cbr");
    EXPECT_EQ(fileText(kFile), kLog);
    EXPECT_FALSE(fs::exists(temporaryFileFor(kFile)));
}

TEST_F(CabrilloWriter, ReplacesTheOldFile) {
    writeFile(kFile, "an older and longer log that must not shine through");
    EXPECT_EQ(writeCabrilloFile(kFile, kLog), "File produced: DL1ABC.cbr");
    EXPECT_EQ(fileText(kFile), kLog);
}

TEST_F(CabrilloWriter, TemporaryFileGoesBesideTheLog) {
    EXPECT_EQ(fs::path(temporaryFileFor("Logs/DL1ABC.cbr")).parent_path(), "Logs");
}

// A failure names the file and gives a reason.
void expectNotWritten(const std::string& message) {
    const std::string prefix = "Cabrillo file not written: DL1ABC.cbr (";
    EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
    EXPECT_GT(message.size(), prefix.size() + 1) << message;
    EXPECT_EQ(message.back(), ')') << message;
}

TEST_F(CabrilloWriter, TemporaryFileThatCannotBeCreatedLeavesTheOldFile) {
    writeFile(kFile, "the last good log");
    fs::create_directories(fs::path(temporaryFileFor(kFile)) / "inside");

    expectNotWritten(writeCabrilloFile(kFile, kLog));
    EXPECT_EQ(fileText(kFile), "the last good log");
    EXPECT_TRUE(fs::is_directory(fs::path(temporaryFileFor(kFile)) / "inside"));
}

TEST_F(CabrilloWriter, LogThatCannotBeReplacedLeavesNoTemporaryFile) {
    fs::create_directories(fs::path(kFile) / "inside");

    expectNotWritten(writeCabrilloFile(kFile, kLog));
    EXPECT_TRUE(fs::is_directory(fs::path(kFile) / "inside"));
    EXPECT_FALSE(fs::exists(temporaryFileFor(kFile)));
}

}  // namespace
