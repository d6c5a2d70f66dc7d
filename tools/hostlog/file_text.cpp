#include "tools/hostlog/file_text.h"

#include <fstream>
#include <iterator>

namespace hostlog {

std::optional<std::string> readFileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return text;
}

}  // namespace hostlog
