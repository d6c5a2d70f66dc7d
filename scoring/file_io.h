#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Whole-file reads and writes in binary mode, so that CR LF line ends are the same bytes on
// every platform. Paths are used as given, relative ones against the current directory.

std::optional<std::string> readWholeFile(const std::string& path);
// Both say why a write failed; an empty error code means the text is in the file.
std::error_code writeWholeFile(const std::string& path, std::string_view text);  // creates or empties
std::error_code appendToFile(const std::string& path, std::string_view text);    // creates when missing
bool fileExists(const std::string& path);
