#include <gtest/gtest.h>

#include "cabrillo/soapbox.h"

namespace {

TEST(Soapbox, TwoLinesAreKeptAsOneEscapedLine) {
    EXPECT_EQ(soapboxToStorage("First\r\nSecond"), "First<CR><LF>Second");
    EXPECT_EQ(soapboxFromStorage("First<CR><LF>Second"), "First\r\nSecond");
}

TEST(Soapbox, RoundTrip) {
    for (const char* text : {"", "One line", "First\r\nSecond", "a\r\n\r\nb\r\n", "only\nfeeds\n", "<LF"}) {
        EXPECT_EQ(soapboxFromStorage(soapboxToStorage(text)), text) << text;
    }
}

TEST(Soapbox, TypedEscapesComeBackAsLineBreaks) {
    EXPECT_EQ(soapboxFromStorage(soapboxToStorage("73 <CR> all")), "73 \r all");
}

TEST(Soapbox, FileFormStartsASoapboxLinePerLine) {
    struct Case {
        const char* stored;
        const char* fileForm;
    };
    const Case cases[] = {
        {"", ""},
        {"Great fun", "Great fun"},
        {"First<CR><LF>Second", "First\r\nSOAPBOX: Second"},
        {"A<CR><LF><CR><LF>B", "A\r\nSOAPBOX: \r\nSOAPBOX: B"},
        {"no<LF>carriage return", "nocarriage return"},
    };
    for (const auto& c : cases) EXPECT_EQ(soapboxFileForm(c.stored), c.fileForm) << c.stored;
}

}  // namespace
