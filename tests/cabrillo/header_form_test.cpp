#include <gtest/gtest.h>

#include <map>

#include "cabrillo/header_form.h"

namespace {

using Settings = std::map<std::string, std::string>;

CabrilloHeader openWith(const Settings& settings, const std::string& contestantCall = "DL1ABC") {
    return openHeaderForm(contestantCall, [&](const std::string& key) {
        const auto found = settings.find(key);
        return found == settings.end() ? std::string() : found->second;
    });
}

TEST(HeaderForm, FirstExportShowsTheCallAndTheStartValues) {
    CabrilloHeader expected;
    expected.ownCall = "DL1ABC";
    expected.operators = "DL1ABC";
    expected.contest = "GACW-WWSA-CW";
    expected.categoryOperator = "SINGLE-OP";
    expected.categoryOverlay = "NONE";
    expected.categoryMode = "CW";
    expected.categoryBand = "ALL";
    expected.categoryPower = "HIGH";
    expected.categoryTransmitter = "ONE";
    expected.location = "DX";
    expected.categoryStation = "FIXED";
    expected.categoryAssisted = "NON-ASSISTED";
    EXPECT_EQ(openWith({}), expected);
}

TEST(HeaderForm, OpensWithWhatTheSettingsKeep) {
    const std::string longName(120, 'N');
    const CabrilloHeader form = openWith({{"Operators", "DL1ABC DL2XYZ"},
                                          {"Name", longName},
                                          {"Address", "Hauptstr. 1"},
                                          {"Address_City", "Berlin"},
                                          {"Address_St_Prov", "BE"},
                                          {"Address_PostalCode", "10115"},
                                          {"Address_Country", "Germany"},
                                          {"Claimed", "52"},
                                          {"Email", "dl1abc@example.org"},
                                          {"Club", "GACW"},
                                          {"SoapBox", "First<CR><LF>Second"}});
    EXPECT_EQ(form.operators, "DL1ABC DL2XYZ");
    EXPECT_EQ(form.name, longName);  // read whole, however long
    EXPECT_EQ(form.address, "Hauptstr. 1");
    EXPECT_EQ(form.addressCity, "Berlin");
    EXPECT_EQ(form.addressStateProvince, "BE");
    EXPECT_EQ(form.addressPostalCode, "10115");
    EXPECT_EQ(form.addressCountry, "Germany");
    EXPECT_EQ(form.claimed, "52");
    EXPECT_EQ(form.email, "dl1abc@example.org");
    EXPECT_EQ(form.club, "GACW");
    EXPECT_EQ(form.soapbox, "First\r\nSecond");
}

TEST(HeaderForm, SavedCategoriesAndContestAreNotCarriedOver) {
    const CabrilloHeader form =
        openWith({{"Category", "MULTI-OP"}, {"Category_Overlay", "ROOKIE"}, {"Contest", "OTHER"}});
    EXPECT_EQ(form.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(form.categoryOverlay, "NONE");
    EXPECT_EQ(form.contest, "GACW-WWSA-CW");
}

TEST(HeaderForm, OkSavesItsKeysInOrder) {
    CabrilloHeader confirmed = openWith({});
    confirmed.name = "Hans";
    confirmed.address = "Hauptstr. 1";
    confirmed.addressCity = "Berlin";
    confirmed.addressStateProvince = "BE";
    confirmed.addressPostalCode = "10115";
    confirmed.addressCountry = "Germany";
    confirmed.categoryOperator = "MULTI-OP";
    confirmed.categoryOverlay = "ROOKIE";
    confirmed.email = "dl1abc@example.org";
    confirmed.club = "GACW";
    confirmed.soapbox = "First\r\nSecond";
    confirmed.claimed = "99";

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Operators", "DL1ABC"},
        {"Name", "Hans"},
        {"Address", "Hauptstr. 1"},
        {"Address_City", "Berlin"},
        {"Address_St_Prov", "BE"},
        {"Address_PostalCode", "10115"},
        {"Address_Country", "Germany"},
        {"Category", "MULTI-OP"},
        {"Category_Overlay", "ROOKIE"},
        {"Contest", "GACW-WWSA-CW"},
        {"Email", "dl1abc@example.org"},
        {"Club", "GACW"},
        {"SoapBox", "First<CR><LF>Second"},
    };
    std::vector<std::pair<std::string, std::string>> saved;
    for (const auto& setting : settingsSavedOnOk(confirmed)) saved.emplace_back(setting.key, setting.value);
    EXPECT_EQ(saved, expected);
}

TEST(HeaderForm, OkDiscardsTheEditedClaimedScore) {
    const CabrilloHeader opened = openWith({{"Claimed", "52"}});
    CabrilloHeader answered = opened;
    answered.claimed = "999999";
    answered.ownCall = "DL1ABC/P";
    const CabrilloHeader confirmed = confirmedHeader(opened, answered);
    EXPECT_EQ(confirmed.claimed, "52");
    EXPECT_EQ(confirmed.ownCall, "DL1ABC/P");
}

TEST(HeaderForm, FileNameBase) {
    struct Case {
        const char* contestantCall;
        const char* base;
    };
    const Case cases[] = {
        {"DL1ABC", "DL1ABC"},
        {"UA9/DL1ABC", "UA9_DL1ABC"},
        {"DL1ABC\\P", "DL1ABC_P"},
        {"  DL1ABC/P \t", "DL1ABC_P"},
        {"   ", "TOLV"},
        {"", "TOLV"},
        {"A:B*C?D\"E<F>G|H", "A_B_C_D_E_F_G_H"},
        {"DL1\x01" "ABC\x1f", "DL1_ABC_"},
        {"DL 1ABC", "DL 1ABC"},
    };
    for (const auto& c : cases) EXPECT_EQ(fileNameBaseFor(c.contestantCall), c.base) << c.contestantCall;
}

}  // namespace
