#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plugin/platform.h"
#include "tests/support/scratch_folder.h"

namespace {

class WindowsPlatform : public ::testing::Test {
protected:
    ScratchFolder folder;
    Platform& platform = hostPlatform();
};

TEST_F(WindowsPlatform, ReadsValuesWholeWhateverTheirLength) {
    std::filesystem::create_directory("Plugins");
    for (const std::size_t length : {0, 1, 254, 255, 256, 257, 511, 512, 5000}) {
        const std::string value(length, 'x');
        platform.writeProfileString("Plugins\\test.ini", "Settings", "Key", value);
        EXPECT_EQ(platform.readProfileString("Plugins\\test.ini", "settings", "KEY"), value) << length;
    }
}

TEST_F(WindowsPlatform, MissingFileOrKeyReadsEmpty) {
    writeFile("present.ini", "[Settings]\r\nKey=value\r\n");
    EXPECT_EQ(platform.readProfileString(".\\present.ini", "Settings", "Other"), "");
    EXPECT_EQ(platform.readProfileString(".\\absent.ini", "Settings", "Key"), "");
}

// The system's profile functions make no folders: without "Plugins" the write is lost, silently.
TEST_F(WindowsPlatform, WritingDoesNotCreateTheFolder) {
    platform.writeProfileString("Plugins\\test.ini", "Settings", "Key", "value");
    EXPECT_FALSE(std::filesystem::exists("Plugins"));
    EXPECT_EQ(platform.readProfileString("Plugins\\test.ini", "Settings", "Key"), "");
}

TEST_F(WindowsPlatform, FoundFilesAreNamedByThePatternsFolder) {
    std::filesystem::create_directory("host");
    writeFile("top.ini", "");
    writeFile("host/Dorv2.ini", "");
    writeFile("host/notes.txt", "");
    struct Case {
        const char* pattern;
        std::vector<Platform::FoundFile> found;
    };
    const Case cases[] = {
        {"*.ini", {{"top.ini", "top.ini"}}},
        {"host\\*.ini", {{"Dorv2.ini", "host\\Dorv2.ini"}}},
        {"host/*.ini", {{"Dorv2.ini", "host/Dorv2.ini"}}},
        {"host\\*.dat", {}},
        {"absent\\*.ini", {}},
    };
    for (const auto& c : cases) {
        const auto found = platform.findFiles(c.pattern);
        ASSERT_EQ(found.size(), c.found.size()) << c.pattern;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].name, c.found[i].name) << c.pattern;
            EXPECT_EQ(found[i].path, c.found[i].path) << c.pattern;
        }
    }
}

}  // namespace
