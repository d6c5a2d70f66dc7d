#include <gtest/gtest.h>

#include "cabrillo/cabrillo_export.h"
#include "tests/support/qso_builder.h"

namespace {

TEST(CabrilloExport, ModeTexts) {
    struct Case {
        const char* mode;
        const char* text;
    };
    const Case cases[] = {{"CW", "CW"}, {"SSB", "PH"}, {"cw", "??"}, {"ssb", "??"}, {"RTTY", "??"}, {"", "??"}};
    for (const auto& c : cases) EXPECT_EQ(modeTextFor(c.mode), c.text) << c.mode;
}

class CabrilloExportOfState : public ::testing::Test {
protected:
    ContestState state;

    CabrilloExportOfState() {
        CabrilloHeader header;
        header.ownCall = "DL1ABC";
        state.cabrillo.confirm(header, "DL1ABC");
        state.hostVersion = "2.19";
        state.claimedScore = 52;
    }

    void store(const std::string& call, const std::string& mode, std::int32_t dupe = 0) {
        CInfo record = qsoWith(call, "K", "NA", 5);
        record.mode = mode;
        record.dupe = dupe;
        state.log.append(record);
    }
};

TEST_F(CabrilloExportOfState, EveryStoredRecordInOrderWithItsModeText) {
    store("K1AA", "CW");
    store("K1AA", "CW", 1);
    store("K2AA", "SSB");
    store("K3AA", "FM");

    const CabrilloFile file = buildCabrilloExport(state);
    EXPECT_EQ(file.name, "DL1ABC.cbr");
    const auto& lines = state.cabrillo.qsoLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 14), "QSO: 14025 CW ");
    EXPECT_NE(lines[1].find(" K1AA "), std::string::npos);
    EXPECT_EQ(lines[2].substr(0, 14), "QSO: 14025 PH ");
    EXPECT_EQ(lines[3].substr(0, 14), "QSO: 14025 ?? ");
    EXPECT_NE(file.text.find("\r\nCLAIMED-SCORE: 52\r\n"), std::string::npos);
    EXPECT_NE(file.text.find("\r\nCREATED-BY: Dorv 2.19\r\n"), std::string::npos);
    EXPECT_EQ(file.text.substr(file.text.size() - lines[3].size() - 13), lines[3] + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportOfState, ExportingAgainStartsTheLinesAfresh) {
    store("K1AA", "CW");
    const CabrilloFile first = buildCabrilloExport(state);
    const CabrilloFile second = buildCabrilloExport(state);
    EXPECT_EQ(state.cabrillo.qsoLines().size(), 1u);
    EXPECT_EQ(second.text, first.text);
}

TEST_F(CabrilloExportOfState, ConfirmingTheFormEmptiesTheLines) {
    store("K1AA", "CW");
    buildCabrilloExport(state);
    state.cabrillo.confirm(CabrilloHeader{}, "DL1ABC");
    EXPECT_TRUE(state.cabrillo.qsoLines().empty());
}

}  // namespace
