#include <gtest/gtest.h>

#include "plugin/profile_text.h"

namespace {

using profile_text::lookUp;
using profile_text::withValue;

const std::string kFile =
    "; settings\r\n"
    "[Other]\r\n"
    "Start=9\r\n"
    "\r\n"
    "[settings]\r\n"
    "  START = 1 \r\n"
    "Name=\"Jo Doe\"\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Later]\r\n"
    "Claimed=5\r\n";

TEST(ProfileText, LooksUpKeysOfTheSectionIgnoringCase) {
    EXPECT_EQ(lookUp(kFile, "Settings", "Start"), "1");
    EXPECT_EQ(lookUp(kFile, "SETTINGS", "start"), "1");
    EXPECT_EQ(lookUp(kFile, "Settings", "Name"), "Jo Doe");
    EXPECT_EQ(lookUp(kFile, "Settings", "Empty"), "");
    EXPECT_EQ(lookUp(kFile, "Settings", "Claimed"), std::nullopt) << "a key of a later section";
    EXPECT_EQ(lookUp(kFile, "Missing", "Start"), std::nullopt);
    EXPECT_EQ(lookUp("", "Settings", "Start"), std::nullopt);
}

TEST(ProfileText, ReadsLongValuesWhole) {
    const std::string soapbox(5000, 's');
    EXPECT_EQ(lookUp("[Settings]\nSoapBox=" + soapbox + "\n", "Settings", "SoapBox"), soapbox);
}

TEST(ProfileText, WritingCreatesTheFileAndTheSection) {
    EXPECT_EQ(withValue("", "Settings", "Start", "1"), "[Settings]\r\nStart=1\r\n");
    EXPECT_EQ(withValue("[Other]\r\nA=1", "Settings", "Start", "1"), "[Other]\r\nA=1\r\n[Settings]\r\nStart=1\r\n");
}

TEST(ProfileText, WritingReplacesAKeyInPlaceAndKeepsEveryOtherLine) {
    const std::string changed = withValue(kFile, "Settings", "start", "0");
    EXPECT_EQ(changed,
              "; settings\r\n[Other]\r\nStart=9\r\n\r\n[settings]\r\nSTART=0\r\nName=\"Jo Doe\"\r\nEmpty=\r\n"
              "\r\n[Later]\r\nClaimed=5\r\n");
}

TEST(ProfileText, WritingANewKeyAppendsItToItsSection) {
    const std::string changed = withValue(kFile, "Settings", "Claimed", "78");
    EXPECT_EQ(lookUp(changed, "Settings", "Claimed"), "78");
    EXPECT_EQ(lookUp(changed, "Later", "Claimed"), "5");
    EXPECT_NE(changed.find("Empty=\r\nClaimed=78\r\n\r\n[Later]"), std::string::npos) << changed;
}

TEST(ProfileText, ValuesRoundTrip) {
    std::string text;
    for (const char* key : {"Operators", "Name", "SoapBox", "Name"}) {
        text = withValue(text, "Settings", key, std::string(key) + " value");
    }
    EXPECT_EQ(text, "[Settings]\r\nOperators=Operators value\r\nName=Name value\r\nSoapBox=SoapBox value\r\n");
}

}  // namespace
