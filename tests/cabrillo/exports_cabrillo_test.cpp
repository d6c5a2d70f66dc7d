#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scratch_folder.h"
#include "tools/host/plugin_library.h"

namespace fs = std::filesystem;

namespace {

constexpr double kMay12 = 43232.0;  // 2018-05-12 00:00
constexpr double kMinute = 1.0 / 1440.0;

host::QsoArguments qso(const std::string& call, const std::string& prefix, const std::string& continent,
                       const std::string& zone, int minuteOfDay, std::uint32_t frequencyHz,
                       const std::string& band = "20m") {
    host::QsoArguments q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = {kMay12 + minuteOfDay * kMinute, 0};
    q.frequencyHz = frequencyHz;
    q.exchangeSent = "14";
    q.exchangeReceived = zone;
    q.dxccPrefix = prefix;
    q.continent = continent;
    q.band = band;
    return q;
}

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

    void pass(int exportRequest) {
        plugin->resetStats({"", exportRequest, "DL1ABC", {kMay12 + 0.5, 0}, {kMay12 + 1.5, 0}, "DL", "EU"});
    }

    void addSmallLog() {
        for (const auto& q : {qso("PY1AA", "PY", "SA", "11", 720, 14025000), qso("K1AA", "K", "NA", "05", 750, 14030999),
                              qso("PY1AA", "PY", "SA", "11", 760, 14025000),
                              qso("UA9AA", "UA9", "AS", "0019", 765, 7012000, "40m"),
                              qso("K1ZZ", "K", "NA", "05", 770, 1830000, "160m")}) {
            plugin->addData(q);
        }
    }
};

TEST_F(CabrilloThroughExports, ExportPassWritesTheSavedHeaderAndEveryQso) {
    pass(1);
    addSmallLog();
    plugin->getResult();
    plugin->getResult();  // every result of the pass exports, each QSO once

    EXPECT_EQ(fileText("DL1ABC.cbr"), fileText(fs::path(GACW_CABRILLO_GOLDEN_DIR) / "small_log.cbr"));
}

TEST_F(CabrilloThroughExports, OnlyAnExportPassExports) {
    pass(0);
    addSmallLog();
    plugin->getResult();
    EXPECT_FALSE(fs::exists("DL1ABC.cbr"));
}

}  // namespace
