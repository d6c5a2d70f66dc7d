#include <gtest/gtest.h>

#include <filesystem>

#include "tests/golden/fixed_log.h"
#include "tests/support/scratch_folder.h"

namespace {

// The same test runs natively and, in the Windows build, under Wine: both must give the golden files.
TEST(GoldenReplay, FixedLogGivesTheGoldenFiles) {
    ScratchFolder folder;
    std::filesystem::create_directory("Plugins");
    host::PluginLibrary plugin(GACW_PLUGIN_PATH);
    expectGoldenFiles(replayFixedLog(plugin));
}

}  // namespace
