#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tools/hostlog/country_file.h"

// One call and the entity it must resolve to; a null prefix means none.
struct ResolutionCase {
    const char* call;
    const char* prefix;
    const char* continent;
    int cqZone;
};

inline void expectResolution(const hostlog::CountryFile& file, const ResolutionCase& expected) {
    SCOPED_TRACE(std::string("call \"") + expected.call + "\"");
    const auto entity = file.resolve(expected.call);
    if (expected.prefix == nullptr) {
        EXPECT_FALSE(entity.has_value()) << entity->prefix;
        return;
    }
    ASSERT_TRUE(entity.has_value());
    EXPECT_EQ(entity->prefix, expected.prefix);
    EXPECT_EQ(entity->continent, expected.continent);
    EXPECT_EQ(entity->cqZone, expected.cqZone);
}
