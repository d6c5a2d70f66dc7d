#include <gtest/gtest.h>

#include <filesystem>

#include "plugin/exports.h"
#include "scoring/ole_date_time.h"
#include "tests/support/scratch_folder.h"

// A host may pass null where a text is expected: it reads as an empty text, nothing crashes.

namespace {

class NullArguments : public ::testing::Test {
protected:
    ScratchFolder folder;
    COleDateTime when{43232.5, COleDateTime::valid};

    NullArguments() { std::filesystem::create_directory("Plugins"); }
};

TEST_F(NullArguments, ScoringPassStartsWithEmptyTexts) {
    EXPECT_EQ(ResetStats0(nullptr, 0, nullptr, &when, &when, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr),
              1);
    int status = 0;
    const char* summary = GetResult0(&status);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(status, -1);
    EXPECT_NE(std::string(summary).find("Contestant: \r\n"), std::string::npos) << summary;
    EXPECT_NE(GetResult0(nullptr), nullptr);
}

TEST_F(NullArguments, QsoWithNullTextsIsRejectedAsWrongBand) {
    const auto add = [this](auto function) {
        return function(nullptr, nullptr, &when, nullptr, nullptr, nullptr, 0, 14025000, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr);
    };
    EXPECT_EQ(add(AddData0), 0);
    EXPECT_EQ(add(RemoveData0), 1);
}

TEST_F(NullArguments, ChecksAnswerAsForEmptyTexts) {
    EXPECT_EQ(CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr),
              4);
    EXPECT_EQ(IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(setVersion(nullptr), 0u);
}

}  // namespace
