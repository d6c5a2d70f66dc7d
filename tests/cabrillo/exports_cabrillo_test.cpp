#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cabrillo/small_log_host.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// The library loaded afresh, in a host folder of its own whose settings hold the header saved
// by an earlier export. Without a window system the form is taken as confirmed as it opens.
class CabrilloThroughExports : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::unique_ptr<host::PluginLibrary> plugin;

    CabrilloThroughExports() {
        fs::create_directory("Plugins");
        writeFile("Dorv2.ini", "[Main]\r\nDorv=2.19\r\n");
        writeFile("Plugins/GACW-WWSA-CW.ini",
                  "[Settings]\r\nOperators=DL1ABC\r\nName=Hans Muster\r\nAddress=Hauptstr. 1\r\n"
                  "Address_City=Berlin\r\nAddress_St_Prov=BE\r\nAddress_PostalCode=10115\r\n"
                  "Address_Country=Germany\r\nEmail=dl1abc@example.org\r\nClub=GACW\r\n"
                  "SoapBox=First<CR><LF>Second\r\nCategory=MULTI-OP\r\n");
        plugin = std::make_unique<host::PluginLibrary>(GACW_PLUGIN_PATH);
    }
};

TEST_F(CabrilloThroughExports, ExportPassWritesTheSavedHeaderAndEveryQso) {
    plugin->resetStats(hostPass(1));
    handOverSmallLog(*plugin);
    plugin->getResult();
    plugin->getResult();  // every result of the pass exports, each QSO once

    EXPECT_EQ(fileText("DL1ABC.cbr"), fileText(fs::path(GACW_CABRILLO_GOLDEN_DIR) / "small_log.cbr"));
}

TEST_F(CabrilloThroughExports, OnlyAnExportPassExports) {
    plugin->resetStats(hostPass(0));
    handOverSmallLog(*plugin);
    plugin->getResult();
    EXPECT_FALSE(fs::exists("DL1ABC.cbr"));
}

}  // namespace
