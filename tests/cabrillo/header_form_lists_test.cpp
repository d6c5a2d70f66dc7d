#include <gtest/gtest.h>

#include <algorithm>

#include "cabrillo/header_form.h"
#include "cabrillo/header_form_lists.h"

namespace {

std::vector<std::string> entriesOf(const DropDownList& list) { return {list.entries.begin(), list.entries.end()}; }

const DropDownList& dropDownOf(HeaderField field) {
    const auto lists = headerFormDropDowns();
    return *std::find_if(lists.begin(), lists.end(), [&](const DropDownList& list) { return list.field == field; });
}

TEST(HeaderFormLists, EveryDropDownAndItsEntries) {
    EXPECT_EQ(headerFormDropDowns().size(), 8u);
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryOperator)),
              (std::vector<std::string>{"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryBand)),
              (std::vector<std::string>{"ALL", "80M", "40M", "20M", "15M", "10M"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryAssisted)),
              (std::vector<std::string>{"ASSISTED", "NON-ASSISTED"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryOverlay)), (std::vector<std::string>{"CLASSIC", "ROOKIE"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryPower)), (std::vector<std::string>{"HIGH", "LOW", "QRP"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryStation)),
              (std::vector<std::string>{"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}));
    EXPECT_EQ(entriesOf(dropDownOf(&CabrilloHeader::categoryTransmitter)),
              (std::vector<std::string>{"ONE", "TWO", "UNLIMITED"}));

    const auto locations = entriesOf(dropDownOf(&CabrilloHeader::location));
    ASSERT_EQ(locations.size(), 64u);
    EXPECT_EQ(locations[0], "DX");
    EXPECT_EQ(locations[1], "--/--");
    EXPECT_EQ(locations[2], "AL");
    EXPECT_EQ(locations[49], "WY");
    EXPECT_EQ(locations[50], "NB");
    EXPECT_EQ(locations[63], "PEI");
}

TEST(HeaderFormLists, SelectsTheFirstEntryThatBeginsWithTheValue) {
    const std::vector<std::string> shown = {"MULTI-MULTI", "MULTI-OP", "SINGLE-OP"};
    EXPECT_EQ(entryToSelect(shown, "SINGLE-OP"), 2u);
    EXPECT_EQ(entryToSelect(shown, "single"), 2u);
    EXPECT_EQ(entryToSelect(shown, "MULTI"), 0u);
    EXPECT_EQ(entryToSelect(shown, "MULTI-O"), 1u);
    EXPECT_EQ(entryToSelect(shown, "SINGLE-OP-LONGER"), std::nullopt);
    EXPECT_EQ(entryToSelect(shown, "CHECKLOG"), std::nullopt);
}

TEST(HeaderFormLists, FirstExportShowsTheStartValues) {
    const CabrilloHeader opened = openHeaderForm("DL1ABC", [](const std::string&) { return std::string(); });
    struct Shown {
        HeaderField field;
        const char* text;
        bool typed;  // not an entry of the list
    };
    const Shown expected[] = {
        {&CabrilloHeader::categoryOperator, "SINGLE-OP", false}, {&CabrilloHeader::location, "DX", false},
        {&CabrilloHeader::categoryBand, "ALL", false},           {&CabrilloHeader::categoryAssisted, "NON-ASSISTED", false},
        {&CabrilloHeader::categoryOverlay, "NONE", true},        {&CabrilloHeader::categoryPower, "HIGH", false},
        {&CabrilloHeader::categoryStation, "FIXED", false},      {&CabrilloHeader::categoryTransmitter, "ONE", false},
    };
    for (const auto& e : expected) {
        // No start value begins two entries, so sorting a list does not change what it shows.
        const auto shown = entriesOf(dropDownOf(e.field));
        const auto selected = entryToSelect(shown, opened.*e.field);
        EXPECT_EQ(selected.has_value(), !e.typed) << e.text;
        EXPECT_EQ(selected ? shown[*selected] : opened.*e.field, e.text);
    }
}

}  // namespace
