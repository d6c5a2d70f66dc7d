#include <gtest/gtest.h>

#include "plugin/wildcard.h"

namespace {

TEST(Wildcard, MatchesLikeTheSystemFileSearch) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"Dorv2.ini", "*.ini", true},  {"DORV2.INI", "*.ini", true}, {"Dorv2.ini", "*.INI", true},
        {".ini", "*.ini", true},       {"Dorv2.ini.bak", "*.ini", false}, {"Dorv2.inx", "*.ini", false},
        {"a.ini", "?.ini", true},      {"ab.ini", "?.ini", false},   {"x.ini.ini", "*.ini", true},
        {"Dorv2.ini", "Dorv*.ini", true}, {"Dorv2.ini", "*", true},  {"", "*", true},
        {"abc", "a*b*c", true},        {"abxc", "a*b*c", true},      {"acb", "a*b*c", false},
    };
    for (const auto& c : cases) EXPECT_EQ(matchesWildcard(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

}  // namespace
