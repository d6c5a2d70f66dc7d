#include <cstring>

#include "tests/support/plugin_fixture.h"

namespace {

class Plugin : public PluginFixture {
protected:
    void SetUp() override { plugin.resetStats(passOf()); }
};

TEST_F(Plugin, CallCheckWakesTheDisplayOnlyWhileNoRefreshIsPending) {
    display.running = true;
    CallCheckQuery query{"PY1AA", "CW", "PY", 11, "20m", ""};
    plugin.checkCall(query, nullptr);
    plugin.checkCall(query, nullptr);
    EXPECT_EQ(display.refreshRequests, 1);
    EXPECT_EQ(plugin.state().wakeUpFlag.load(), 0);

    plugin.state().wakeUpFlag = 1;  // the refresh has run
    plugin.checkCall(query, nullptr);
    EXPECT_EQ(display.refreshRequests, 2);
}

TEST_F(Plugin, CallCheckWithoutDisplayKeepsTheFlag) {
    display.running = false;
    plugin.checkCall({"PY1AA", "CW", "PY", 11, "20m", ""}, nullptr);
    EXPECT_EQ(plugin.state().wakeUpFlag.load(), 1);
}

TEST_F(Plugin, ExpectedExchangeIsWrittenOnlyWithAnAnswerThatHasOne) {
    char buffer[100] = "untouched";
    EXPECT_EQ(plugin.checkCall({"K1AA", "CW", "K", 5, "20m", ""}, buffer), kNewMultiplier);
    EXPECT_STREQ(buffer, "5?");
    plugin.addData({qsoWith("K1AA", "K", "NA", 5), "DL1ABC"});
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(plugin.checkCall({"K1AA", "CW", "K", 5, "20m", ""}, buffer), kDupe);
    EXPECT_STREQ(buffer, "untouched");
}

TEST_F(Plugin, RemovalResetsTheZoneDisplayOnlyForAStoredQsoAndAlwaysWakes) {
    display.running = true;
    const CInfo record = qsoWith("PY1AA", "PY", "SA", 11);
    plugin.addData({record, "DL1ABC"});
    plugin.removeData({record, "DL1ABC"});
    EXPECT_EQ(display.zoneResets, 1);
    EXPECT_EQ(display.refreshRequests, 1);
    plugin.removeData({record, "DL1ABC"});
    EXPECT_EQ(display.zoneResets, 1);
    EXPECT_EQ(display.refreshRequests, 2);
}

TEST_F(Plugin, SummaryStoresTheClaimedScoreInTheSettings) {
    plugin.addData({qsoWith("PY1AA", "PY", "SA", 11), "DL1ABC"});
    plugin.addData({qsoWith("K1AA", "K", "NA", 5), "DL1ABC"});
    plugin.getResult();
    EXPECT_EQ(settings.read("Claimed"), "32");
    plugin.resetStats(passOf());
    plugin.getResult();
    EXPECT_EQ(settings.read("Claimed"), "0");
}

TEST_F(Plugin, SwitchToHtmlHoldsForEveryLaterSummary) {
    EXPECT_EQ(std::string(plugin.getResult()).rfind("  GACW", 0), 0u);
    plugin.switchToHtml();
    EXPECT_EQ(std::string(plugin.getResult()).rfind("<html>", 0), 0u);
    plugin.resetStats(passOf());
    EXPECT_EQ(std::string(plugin.getResult()).rfind("<html>", 0), 0u);
}

TEST_F(Plugin, SetupShowsItsOneMessage) {
    plugin.setupSet();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "No additional setup for this contest");
    EXPECT_EQ(platform.messages[0].caption, "");
    EXPECT_EQ(platform.messages[0].style, Platform::MessageStyle::plain);
}

TEST_F(Plugin, ShutdownClosesTheDisplay) {
    display.running = true;
    plugin.shutdownDisplay();
    EXPECT_EQ(display.shutdowns, 1);
}

}  // namespace
