#pragma once

#include <optional>
#include <string>

namespace hostlog {

// The file's bytes unchanged, or nullopt when it cannot be opened or read.
std::optional<std::string> readFileText(const std::string& path);

}  // namespace hostlog
