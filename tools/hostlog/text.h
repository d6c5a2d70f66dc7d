#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hostlog {

// ASCII only: logs and country files are ASCII, and the C locale functions
// would depend on the host's locale.
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view start);
std::size_t findIgnoreCase(std::string_view text, std::string_view needle, std::size_t from = 0);

std::string_view trim(std::string_view text);
// The text in double quotes for a message, shortened when long.
std::string quoted(std::string_view text);
std::vector<std::string_view> splitOnWhitespace(std::string_view text);

// Walks a text line by line. A line keeps the '\r' of a "\r\n" line end;
// callers trim or split on white space anyway.
class LineCursor {
public:
    explicit LineCursor(std::string_view text);
    // False once the text is exhausted.
    bool next(std::string_view& line);
    // 1-based number of the line last returned by next().
    std::size_t lineNumber() const;

private:
    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_lineNumber = 0;
};

}  // namespace hostlog
