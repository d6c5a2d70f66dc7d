#include <gtest/gtest.h>

#include <filesystem>

#include "plugin/host_version.h"
#include "tests/support/scratch_folder.h"

namespace {

class HostVersion : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::optional<std::string> lookUp(const std::string& prefix = "") { return lookUpHostVersion(hostPlatform(), prefix); }
};

TEST_F(HostVersion, NoHostSettingsFileMeansTheBareHostName) {
    EXPECT_EQ(lookUp(), "Dorv");
    writeFile("other.ini", "Dorv=2.16\r\n");
    writeFile("dorv2.ini", "Dorv=2.16\r\n");  // the name test is case-sensitive
    writeFile("Dorv2.txt", "Dorv=2.16\r\n");
    EXPECT_EQ(lookUp(), "Dorv");
}

TEST_F(HostVersion, ReadsTheFirstVersionLine) {
    struct Case {
        const char* content;
        std::optional<std::string> version;
    };
    const Case cases[] = {
        {"[Main]\r\nDorv=2.16\r\nDorv=2.19\r\n", "2.16"},
        {"Dorv=2.19", "2.19"},
        {" Dorv=2.16\r\n", "=2.16"},  // the line less its first five characters
        {"Path=C:\\Dorv=\r\n", "C:\\Dorv="},
        {"[Main]\r\nVersion=2.16\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        writeFile("Dorv2.ini", c.content);
        EXPECT_EQ(lookUp(), c.version) << c.content;
    }
}

TEST_F(HostVersion, ReadsTheFileTheSearchFoundInTheNamedFolder) {
    std::filesystem::create_directory("host");
    writeFile("host/MyDorv2.ini", "Dorv=2.20\r\n");
    writeFile("Dorv2.ini", "Dorv=2.16\r\n");
    EXPECT_EQ(lookUp("host\\"), "2.20");
    EXPECT_EQ(lookUp("host/"), "2.20");
    EXPECT_EQ(lookUp(), "2.16");
}

TEST_F(HostVersion, TakesTheFirstMatchingNameInListingOrder) {
    writeFile("ADorv2.ini", "Dorv=1.00\r\n");
    writeFile("Dorv2.ini", "Dorv=2.19\r\n");
    EXPECT_EQ(lookUp(), "1.00");
}

TEST(DisplayGate, VersionsThatDoNotGetTheDisplay) {
    for (const char* version : {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"}) EXPECT_FALSE(displayAllowedFor(version));
    for (const char* version : {"2.19", "2.20", "Dorv", "", "=2.16", "2.14r"}) EXPECT_TRUE(displayAllowedFor(version));
}

}  // namespace
