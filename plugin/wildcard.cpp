#include "plugin/wildcard.h"

#include <cctype>

namespace {
bool sameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}
}  // namespace

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    // Greedy match that backtracks only to the last '*', linear in practice.
    std::size_t n = 0, p = 0;
    std::size_t starAt = std::string_view::npos, nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && sameLetter(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            nameAtStar = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}
