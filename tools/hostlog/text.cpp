#include "tools/hostlog/text.h"

#include <algorithm>

namespace hostlog {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(char a, char b) {
    return upperAscii(a) == upperAscii(b);
}

}  // namespace

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = upperAscii(c);
    return result;
}

std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = lowerAscii(c);
    return result;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameIgnoringCase);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalsIgnoreCase(text.substr(0, start.size()), start);
}

std::size_t findIgnoreCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                                   needle.end(), sameIgnoringCase);
    return found == text.end() ? std::string_view::npos : static_cast<std::size_t>(found - text.begin());
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t longest = 40;
    if (text.size() <= longest) return '"' + std::string(text) + '"';
    return '"' + std::string(text.substr(0, longest)) + "...\"";
}

std::vector<std::string_view> splitOnWhitespace(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && isSpace(text[position])) ++position;
        const std::size_t start = position;
        while (position < text.size() && !isSpace(text[position])) ++position;
        if (position > start) words.push_back(text.substr(start, position - start));
    }
    return words;
}

LineCursor::LineCursor(std::string_view text) : m_text(text) {}

bool LineCursor::next(std::string_view& line) {
    if (m_position >= m_text.size()) return false;
    const std::size_t end = std::min(m_text.find('\n', m_position), m_text.size());
    line = m_text.substr(m_position, end - m_position);
    m_position = end + 1;
    ++m_lineNumber;
    return true;
}

std::size_t LineCursor::lineNumber() const {
    return m_lineNumber;
}

}  // namespace hostlog
