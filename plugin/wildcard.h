#pragma once

#include <string_view>

// File-name wildcard match as the system's file search does it: '*' any run of characters,
// '?' any one character, letter case ignored.
bool matchesWildcard(std::string_view name, std::string_view pattern);
