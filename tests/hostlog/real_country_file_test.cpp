#include <gtest/gtest.h>

#include "tests/hostlog/country_resolution_case.h"
#include "tools/hostlog/country_file.h"
#include "tools/hostlog/file_text.h"

namespace {

// Where Debian's hamradio-files package puts the country file.
constexpr const char* installedCountryFile = "/usr/share/hamradio-files/cty.dat";

TEST(RealCountryFile, ResolvesWellKnownCalls) {
    const auto text = hostlog::readFileText(installedCountryFile);
    if (!text) GTEST_SKIP() << installedCountryFile << " is not installed";
    const auto file = hostlog::CountryFile::parse(*text);
    EXPECT_GT(file.entityCount(), 300u);

    const ResolutionCase cases[] = {
        {"PY2XB", "PY", "SA", 11},   {"LU1FAM", "LU", "SA", 13},   {"DL6FBL", "DL", "EU", 14},
        {"K1AR", "K", "NA", 5},      {"W0AIH", "K", "NA", 4},      {"JA1ABC", "JA", "AS", 25},
        {"VK2GR", "VK", "OC", 30},   {"ZL1ABC", "ZL", "OC", 32},   {"UA9ABC", "UA9", "AS", 17},
        {"DL/K1AR", "DL", "EU", 14}, {"K1AR/P", "K", "NA", 5},     {"K1AR/MM", nullptr, "", 0},
    };
    for (const auto& c : cases) expectResolution(file, c);
}

}  // namespace
