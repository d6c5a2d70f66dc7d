#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small text helpers shared by the engine. Texts are 8-bit strings in the host's code page.

// A text argument from the host; a null pointer counts as an empty text.
inline std::string_view argText(const char* text) { return text ? std::string_view(text) : std::string_view(); }

// Leading white space, an optional sign, decimal digits up to the first other character;
// 0 without digits. Saturates at the 32-bit limits as the C library does.
std::int32_t integerValueOf(std::string_view text);

// Letter case ignored for ASCII letters; the contest's bands and modes are ASCII.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// printf into a std::string.
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces every occurrence, left to right, without scanning replaced text again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// The five characters that could change HTML markup, as entities.
std::string escapeHtml(std::string_view text);

// The text's lines without their line ends (CR LF or LF); a last line without one counts.
template <typename Visitor>
void forEachLine(std::string_view text, Visitor&& visit) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}
