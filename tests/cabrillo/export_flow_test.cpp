#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/cabrillo_writer.h"
#include "tests/support/plugin_fixture.h"

namespace fs = std::filesystem;

namespace {

// The whole file of the operator's small log below, as the contest expects it.
std::string goldenSmallLog() { return fileText(fs::path(GACW_CABRILLO_GOLDEN_DIR) / "small_log.cbr"); }

class ExportFlow : public PluginFixture {
protected:
    void pass(int exportRequest, const std::string& contestantCall = "DL1ABC") {
        ScoringPassStart start = passOf("DL", "EU", exportRequest);
        start.contestantCall = contestantCall;
        plugin.resetStats(start);
    }
    void exportPass(const std::string& contestantCall = "DL1ABC") { pass(1, contestantCall); }

    void add(CInfo record, int hour, int minute, std::uint32_t frequencyKHz = 14025) {
        record.time = contestTime(hour, minute);
        record.frequencyKHz = frequencyKHz;
        plugin.addData({record, "DL1ABC"});
    }

    // PY1AA, K1AA, PY1AA again (a dupe) on 20m, UA9AA on 40m with a four-character zone, K1ZZ on 160m.
    void addSmallLog() {
        add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
        CInfo k1aa = qsoWith("K1AA", "K", "NA", 5);
        k1aa.exchangeReceived = "05";
        add(k1aa, 12, 30, 14030);
        add(qsoWith("PY1AA", "PY", "SA", 11), 12, 40);
        CInfo ua9aa = qsoWith("UA9AA", "UA9", "AS", 19, "40m");
        ua9aa.exchangeReceived = "0019";
        add(ua9aa, 12, 45, 7012);
        CInfo k1zz = qsoWith("K1ZZ", "K", "NA", 5, "160m");
        k1zz.exchangeReceived = "05";
        add(k1zz, 12, 50, 1830);
    }

    // What the operator types into the form for the small log.
    static void fillIn(CabrilloHeader& fields) {
        fields.name = "Hans Muster";
        fields.address = "Hauptstr. 1";
        fields.addressCity = "Berlin";
        fields.addressStateProvince = "BE";
        fields.addressPostalCode = "10115";
        fields.addressCountry = "Germany";
        fields.email = "dl1abc@example.org";
        fields.club = "GACW";
        fields.soapbox = "First\r\nSecond";
    }

    std::string settingsFile() const { return fileText("Plugins/GACW-WWSA-CW.ini"); }
};

TEST_F(ExportFlow, SmallLogGivesTheGoldenFile) {
    writeFile("Dorv2.ini", "[Main]\r\nDorv=2.19\r\n");
    headerForm.edit = fillIn;
    exportPass();
    addSmallLog();
    plugin.getResult();

    EXPECT_EQ(fileText("DL1ABC.cbr"), goldenSmallLog());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File produced: DL1ABC.cbr");
    EXPECT_EQ(platform.messages[0].caption, "Output");
    EXPECT_EQ(platform.messages[0].style, Platform::MessageStyle::information);
    EXPECT_FALSE(fs::exists(temporaryFileFor("DL1ABC.cbr")));
}

TEST_F(ExportFlow, FirstExportWritesEveryHeaderLineEvenWhenEmpty) {
    exportPass();
    plugin.getResult();

    ASSERT_TRUE(headerForm.shown);
    EXPECT_EQ(headerForm.shown->ownCall, "DL1ABC");
    EXPECT_EQ(headerForm.shown->operators, "DL1ABC");
    EXPECT_EQ(headerForm.shown->claimed, "");
    EXPECT_EQ(fileText("DL1ABC.cbr"),
              "START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: GACW-WWSA-CW\r\n"
              "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\nCATEGORY-BAND: ALL\r\n"
              "CATEGORY-MODE: CW\r\nCATEGORY-POWER: HIGH\r\nCATEGORY-STATION: FIXED\r\n"
              "CATEGORY-TRANSMITTER: ONE\r\nCLAIMED-SCORE: 0\r\nCLUB: \r\nCREATED-BY: Dorv Dorv\r\n"
              "LOCATION: DX\r\nEMAIL: \r\nNAME: \r\nADDRESS: \r\nADDRESS-CITY: \r\n"
              "ADDRESS-STATE-PROVINCE: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\n"
              "OPERATORS: DL1ABC\r\nSOAPBOX: \r\nEND-OF-LOG:\r\n");
}

TEST_F(ExportFlow, OkSavesTheHeaderForTheNextExport) {
    const std::string longName(120, 'N');
    headerForm.edit = [&](CabrilloHeader& fields) {
        fillIn(fields);
        fields.name = longName;
        fields.operators = "DL1ABC DL2XYZ";
        fields.categoryPower = "LOW";
        fields.claimed = "999999";  // only shows the score: the edit goes nowhere
    };
    exportPass();
    EXPECT_EQ(settings.read("Claimed"), "");
    EXPECT_EQ(settings.read("SoapBox"), "First<CR><LF>Second");
    EXPECT_EQ(settings.read("Category"), "SINGLE-OP");
    EXPECT_EQ(settings.read("Category_Overlay"), "NONE");
    EXPECT_EQ(settings.read("Contest"), "GACW-WWSA-CW");
    addSmallLog();
    plugin.getResult();

    headerForm.edit = [](CabrilloHeader&) {};
    exportPass();
    ASSERT_TRUE(headerForm.shown);
    EXPECT_EQ(headerForm.shown->name, longName);
    EXPECT_EQ(headerForm.shown->operators, "DL1ABC DL2XYZ");
    EXPECT_EQ(headerForm.shown->soapbox, "First\r\nSecond");
    EXPECT_EQ(headerForm.shown->claimed, "112");
    EXPECT_EQ(headerForm.shown->categoryPower, "HIGH");  // categories start afresh each time
}

TEST_F(ExportFlow, CancelSavesNothingAndExportsNothing) {
    headerForm.edit = fillIn;
    headerForm.pressOk = false;
    exportPass();
    EXPECT_FALSE(plugin.state().cabrilloExport);
    for (const char* key : {"Operators", "Name", "Category", "Contest", "SoapBox"}) {
        EXPECT_EQ(settingsFile().find(std::string(key) + "="), std::string::npos) << key;
    }

    addSmallLog();
    plugin.getResult();
    EXPECT_FALSE(fs::exists("DL1ABC.cbr"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(settings.read("Claimed"), "112");  // the summary was still built
}

TEST_F(ExportFlow, EveryResultOfAnExportPassExportsEveryQsoOnce) {
    headerForm.edit = fillIn;
    writeFile("Dorv2.ini", "Dorv=2.19\r\n");
    exportPass();
    addSmallLog();
    plugin.getResult();
    plugin.getResult();

    EXPECT_EQ(fileText("DL1ABC.cbr"), goldenSmallLog());
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(ExportFlow, AnOrdinaryPassDoesNotExport) {
    exportPass();
    plugin.getResult();
    fs::remove("DL1ABC.cbr");

    pass(0);
    EXPECT_EQ(headerForm.runs, 1);
    plugin.getResult();
    EXPECT_FALSE(fs::exists("DL1ABC.cbr"));
}

TEST_F(ExportFlow, FileIsNamedAfterTheContestantCall) {
    headerForm.edit = [](CabrilloHeader& fields) { fields.ownCall = "DL1ABC/P"; };
    exportPass("UA9/DL1ABC");
    add(qsoWith("PY1AA", "PY", "SA", 11), 12, 0);
    plugin.getResult();

    const std::string text = fileText("UA9_DL1ABC.cbr");
    EXPECT_NE(text.find("\r\nCALLSIGN: DL1ABC/P\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" 1200 DL1ABC/P      59 "), std::string::npos) << text;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "File produced: UA9_DL1ABC.cbr");
}

TEST_F(ExportFlow, FailedWriteIsReportedAndTheOldFileStays) {
    writeFile("DL1ABC.cbr", "the last good log");
    fs::create_directory(temporaryFileFor("DL1ABC.cbr"));
    exportPass();
    addSmallLog();
    plugin.getResult();

    EXPECT_EQ(fileText("DL1ABC.cbr"), "the last good log");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("Cabrillo file not written: DL1ABC.cbr (", 0), 0u)
        << platform.messages[0].text;
}

}  // namespace
