#include <gtest/gtest.h>

#include <string>

#include "tests/hostlog/country_resolution_case.h"
#include "tools/hostlog/country_file.h"
#include "tools/hostlog/file_text.h"

namespace {

using hostlog::CountryFile;

// Eleven entities in the real file's layout, cut down to what the cases need.
CountryFile smallCountryFile() {
    const auto text = hostlog::readFileText(HOSTLOG_FIXTURES_DIR "/small_cty.dat");
    EXPECT_TRUE(text.has_value());
    return CountryFile::parse(text.value_or(""));
}

TEST(CountryFile, CountsTheEntitiesAndKeepsTheirNames) {
    const CountryFile file = smallCountryFile();
    EXPECT_EQ(file.entityCount(), 11u);
    EXPECT_EQ(file.resolve("DL1ABC").value_or(hostlog::Entity{}).name, "Fed. Rep. of Germany");
}

TEST(CountryFile, ResolvesByTheLongestPrefix) {
    const CountryFile file = smallCountryFile();
    const ResolutionCase cases[] = {
        {"DL1ABC", "DL", "EU", 14}, {"DR5A", "DL", "EU", 14},     {"dl1abc", "DL", "EU", 14},
        {" DL1ABC ", "DL", "EU", 14}, {"K1ABC", "K", "NA", 5},    {"W0ABC", "K", "NA", 4},
        {"KH6ABC", "KH6", "OC", 31}, {"PY2XB", "PY", "SA", 11},   {"PY0FF", "PY0F", "SA", 11},
        {"PT8ABC", "PY", "SA", 11},  {"BY1AA", "BY", "AS", 24},   {"3H0ABC", "BY", "AS", 23},
        {"1A0KM", "1A", "EU", 15},   {"VE3ABC", "VE", "NA", 5},
    };
    for (const auto& c : cases) expectResolution(file, c);
}

TEST(CountryFile, PrefersExactCallsWithTheirOverrides) {
    const CountryFile file = smallCountryFile();
    const ResolutionCase cases[] = {
        {"AD1C", "K", "NA", 4},
        {"AD1CX", "K", "NA", 5},  // an exact call is no prefix
        {"RA9FAR", "UA9", "EU", 16},
        {"RA9FA", "UA9", "AS", 17},
        {"2M0ZET", "GM/s", "EU", 14},  // the WAE '*' is not part of the prefix
        {"2M0ABC", "GM", "EU", 14},
        {"GB2ELH", "GM/s", "EU", 14},  // listed under both; the WAE entity wins
        {"GB3LER", "GM/s", "EU", 14},
        {"DL/HB9DQJ/LH", "DL", "EU", 14},
        {"N2NL/MM", "K", "NA", 7},  // listed, so not treated as maritime mobile
    };
    for (const auto& c : cases) expectResolution(file, c);
}

TEST(CountryFile, ResolvesPortableCallsByTheirLocation) {
    const CountryFile file = smallCountryFile();
    const ResolutionCase cases[] = {
        {"DL/K1ABC", "DL", "EU", 14},  {"K1ABC/DL", "DL", "EU", 14},   {"DL/K1ABC/P", "DL", "EU", 14},
        {"PY/DL1ABC", "PY", "SA", 11}, {"B/K1ABC", "BY", "AS", 24},    {"KH6/K1ABC", "KH6", "OC", 31},
        {"K1ABC/KH6", "KH6", "OC", 31}, {"DL1ABC/W0", "K", "NA", 4},   {"VE3/K1ABC", "VE", "NA", 5},
        {"K1ABC/VE3", "VE", "NA", 5},
    };
    for (const auto& c : cases) expectResolution(file, c);
}

TEST(CountryFile, KeepsTheHomeEntityForDesignatorsAndUnknownSuffixes) {
    const CountryFile file = smallCountryFile();
    const ResolutionCase cases[] = {
        {"K1ABC/P", "K", "NA", 5},   {"K1ABC/M", "K", "NA", 5},     {"K1ABC/QRP", "K", "NA", 5},
        {"K1ABC/A", "K", "NA", 5},   {"K1ABC/B", "K", "NA", 5},     {"K1ABC/4", "K", "NA", 5},
        {"K1ABC/P/QRP", "K", "NA", 5}, {"k1abc/p", "K", "NA", 5},   {"K1ABC/", "K", "NA", 5},
        {"W0ABC/P", "K", "NA", 4},   {"AD1C/P", "K", "NA", 4},      {"RA9FAR/M", "UA9", "EU", 16},
        {"K1ABC/X", "K", "NA", 5},   {"DL1ABC/C", "DL", "EU", 14},  // suffixes that name no place
    };
    for (const auto& c : cases) expectResolution(file, c);
}

TEST(CountryFile, FindsNoEntityAtSeaInTheAirOrForUnknownPrefixes) {
    const CountryFile file = smallCountryFile();
    const ResolutionCase cases[] = {
        {"K1ABC/MM", nullptr, "", 0}, {"DL1ABC/AM", nullptr, "", 0}, {"K1ABC/MM/P", nullptr, "", 0},
        {"ZS6ABC", nullptr, "", 0},   {"", nullptr, "", 0},          {"/", nullptr, "", 0},
        {"  ", nullptr, "", 0},
    };
    for (const auto& c : cases) expectResolution(file, c);
}

TEST(CountryFile, SkipsWhatItCannotRead) {
    const CountryFile file = CountryFile::parse(
        "Good One:                 14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
        "    DL,DK;\n"
        "    SP,SQ;\n"
        "Bad Zone:                 XX:  28:  EU:   48.00:   -16.00:    -1.0:  OE:\n"
        "    OE;\n"
        "Bad Continent:            15:  28:  XY:   46.00:    -8.00:    -1.0:  HB:\n"
        "    HB;\n"
        "Too Few Fields:           15:  28:  EU:\n"
        "    OK;\n"
        "a stray line of nothing in particular\n"
        "Unterminated:             14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
        "    F,TM,TX(99),TK(14\n"
        "After The Unterminated:   14:  27:  EU:   54.00:     2.00:     0.0:  G:\n"
        "    G,M,=G4ABC(5){XX},=G3XYZ(33){AF},!!;\n");
    EXPECT_EQ(file.entityCount(), 3u);
    const ResolutionCase cases[] = {
        {"DL1ABC", "DL", "EU", 14}, {"SP1ABC", nullptr, "", 0}, {"OE1ABC", nullptr, "", 0},
        {"HB9ABC", nullptr, "", 0}, {"OK1ABC", nullptr, "", 0}, {"TM1A", "F", "EU", 14},
        {"TX1ABC", nullptr, "", 0}, {"TK1ABC", nullptr, "", 0}, {"M0ABC", "G", "EU", 14},
        {"G4ABC", "G", "EU", 14},   {"G3XYZ", "G", "AF", 33},
    };
    for (const auto& c : cases) expectResolution(file, c);
}

}  // namespace
