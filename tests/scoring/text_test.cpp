#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scoring/text.h"

namespace {

TEST(IntegerValueOf, ReadsLeadingDigitsLikeTheCLibrary) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"5", 5},      {"05", 5},          {"14", 14},          {"abc", 0},          {"", 0},
        {"  7x", 7},   {"-3", -3},         {"+12", 12},         {"5A", 5},           {"\t\n 40", 40},
        {"- 3", 0},    {"2147483647", INT32_MAX}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(integerValueOf(c.text), c.value) << '"' << c.text << '"';
}

TEST(EqualsIgnoringCase, ComparesLettersWithoutCase) {
    EXPECT_TRUE(equalsIgnoringCase("20M", "20m"));
    EXPECT_TRUE(equalsIgnoringCase("", ""));
    EXPECT_FALSE(equalsIgnoringCase("20m", "20m "));
    EXPECT_FALSE(equalsIgnoringCase("40m", "20m"));
}

TEST(ReplaceAll, DoesNotRescanReplacedText) {
    EXPECT_EQ(replaceAll("a<CR>b<CR>", "<CR>", "\r\nSOAPBOX: "), "a\r\nSOAPBOX: b\r\nSOAPBOX: ");
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
}

TEST(EscapeHtml, NeutralisesMarkup) {
    EXPECT_EQ(escapeHtml("<b>K1&\"x'</b>"), "&lt;b&gt;K1&amp;&quot;x&#39;&lt;/b&gt;");
    EXPECT_EQ(escapeHtml("DL1ABC"), "DL1ABC");
}

TEST(ForEachLine, SplitsOnEitherLineEnd) {
    std::vector<std::string> lines;
    forEachLine("one\r\ntwo\n\nlast", [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "last"}));
    lines.clear();
    forEachLine("only\r\n", [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(lines, (std::vector<std::string>{"only"}));
}

TEST(FormatText, FormatsLikePrintf) {
    EXPECT_EQ(formatText("%5i|%-5s|%i?", 42, "ab", -7), "   42|ab   |-7?");
    EXPECT_EQ(formatText("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

}  // namespace
