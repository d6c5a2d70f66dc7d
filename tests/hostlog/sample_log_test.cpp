#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "tools/hostlog/bands.h"
#include "tools/hostlog/log_reader.h"

namespace {

// The host tool's sample log must read cleanly and hold the mistakes its
// generator put in on purpose, and nothing odd besides.
class SampleLog : public testing::Test {
protected:
    void SetUp() override {
        const auto result = hostlog::readLogFile(HOSTLOG_SAMPLE_LOG);
        ASSERT_TRUE(result.problems.empty()) << hostlog::describe(result.problems.front());
        qsos = result.qsos;
    }

    std::size_t countOf(bool (*matches)(const hostlog::LoggedQso&)) const {
        return static_cast<std::size_t>(std::count_if(qsos.begin(), qsos.end(), matches));
    }

    std::vector<hostlog::LoggedQso> qsos;
};

TEST_F(SampleLog, IsAWeekendOfCwFromDl1abcInTimeOrder) {
    EXPECT_GE(qsos.size(), 350u);
    EXPECT_LE(qsos.size(), 450u);
    const double contestStart = 46151.0;  // 2026-05-09 00:00 UTC
    double previous = contestStart;
    for (const auto& qso : qsos) {
        SCOPED_TRACE(qso.sourceLine);
        EXPECT_EQ(qso.myCall, "DL1ABC");
        EXPECT_EQ(qso.exchangeSent, "14");
        EXPECT_EQ(qso.band, hostlog::bandFromFrequencyHz(qso.frequencyHz));
        const double when = hostlog::toOleDate(qso);
        EXPECT_GE(when, previous);
        EXPECT_LT(when, contestStart + 2.0);
        previous = when;
    }
}

TEST_F(SampleLog, HoldsEachDeliberateMistakeOnce) {
    EXPECT_EQ(countOf([](const auto& qso) { return qso.mode == "SSB"; }), 1u);
    EXPECT_EQ(countOf([](const auto& qso) { return qso.mode != "CW" && qso.mode != "SSB"; }), 0u);
    EXPECT_EQ(countOf([](const auto& qso) { return qso.band == "30m"; }), 1u);
    EXPECT_EQ(countOf([](const auto& qso) { return qso.exchangeReceived.empty(); }), 1u);

    std::set<std::pair<std::string, std::string>> worked;
    std::size_t dupes = 0;
    for (const auto& qso : qsos) {
        if (!worked.emplace(qso.call, qso.band).second) ++dupes;
    }
    EXPECT_EQ(dupes, 3u);
}

}  // namespace
